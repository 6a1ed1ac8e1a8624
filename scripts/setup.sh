#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), configures and builds.
# Usage: scripts/setup.sh [build-folder] [extra cmake arguments...]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true

packages=(
  cmake g++ make pkg-config
  libgl-dev libglu1-mesa-dev libegl-dev libegl1-mesa-dev libgl1-mesa-dri
  libfltk1.3-dev libx11-dev libxtst-dev
  libfontconfig-dev libfreetype-dev fonts-liberation fonts-dejavu-core
  libpng-dev libgl2ps-dev libeigen3-dev libboost-dev libcli11-dev libcsv-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth x11-apps python3 clang-format-14
  librsvg2-bin poppler-utils ghostscript python3-matplotlib
  python3-numpy python3-pandas python3-pytest python3-pil python3-pip python3-setuptools
  python3-wheel python3-venv
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Compilations are cached where ccache is at hand.
launchers=()
if command -v ccache >/dev/null; then
  launchers=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launchers[@]}" "$@"
cmake --build "$build" -j "$(nproc)"
