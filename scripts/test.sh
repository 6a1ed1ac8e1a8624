#!/usr/bin/env bash
# Sets up, builds and runs every test. Window tests run under an Xvfb server that this script
# starts and stops itself; off-screen tests need no X server.
# Warnings are errors here, as in CI.
# Usage: scripts/test.sh [build-folder] [extra cmake arguments...]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true
"$here/scripts/setup.sh" "$build" -DPLOT_WERROR=ON "$@"

display_number=$((90 + RANDOM % 100))
Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  [[ -e "/tmp/.X11-unix/X$display_number" ]] && break
  sleep 0.1
done
export PLOT_TEST_DISPLAY=":$display_number"

cd "$build"
ctest --output-on-failure -j 2
