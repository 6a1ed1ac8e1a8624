#!/usr/bin/env bash
# Installs a build into a fresh prefix and builds consumer.c against it twice: through
# pkg-config and through find_package(CompositionalPlots); then runs both, unless the plug-ins
# carry the sanitizers' runtime, which a plain program cannot load.
# Usage: build_consumer.sh <build folder> <work folder> <C compiler> <run: 1 or 0>
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$1"
work="$2"
cc="$3"
run="$4"

rm -rf "$work"
mkdir -p "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

include="$prefix/include/compositional-plots"
if [[ -e "$include/plot_plugin_testing.h" ]]; then
  echo "the testing header was installed with the stable interface" >&2
  exit 1
fi
for header in "$include"/*.h; do
  echo "#include \"$(basename "$header")\""
done >"$work/all_headers.h"

export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
read -ra cflags <<<"$(pkg-config --cflags compositional-plots)"
read -ra libs <<<"$(pkg-config --libs compositional-plots)"
plugins="$(pkg-config --variable=plugindir compositional-plots)"
"$cc" -std=c11 -Wall -Wextra -Wpedantic -Werror "${cflags[@]}" -I"$work" \
  -DPLOT_PLUGIN_FOLDER="\"$plugins\"" "$here/consumer.c" "${libs[@]}" -o "$work/consumer_pkg_config"

cmake -S "$here" -B "$work/cmake" -DCMAKE_C_COMPILER="$cc" -DCMAKE_PREFIX_PATH="$prefix" \
  -DALL_HEADERS_DIR="$work" >/dev/null
cmake --build "$work/cmake" >/dev/null

if [[ "$run" == 1 ]]; then
  "$work/consumer_pkg_config"
  "$work/cmake/consumer"
fi
