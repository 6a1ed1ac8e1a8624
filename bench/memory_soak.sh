#!/usr/bin/env bash
# Resident size of long off-screen sessions: 10,000 "Rot Y +" presses on each 3D viewer and
# 10,000 show/close cycles on each plug-in, one process each, printed every 1,000 steps.
# Usage: bench/memory_soak.sh [build-folder] [steps]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
steps="${2:-10000}"
soak="$build/bench/memory_soak"
plugins="$build/plugins"

# The samples of the 3D plug-ins write their exchange files into a private folder.
profile="$(mktemp -d)"
trap 'rm -rf "$profile"' EXIT
export HOME="$profile"

for plugin in Havrel Tormin Quadrel; do
  echo "== $plugin: $steps rotation presses"
  "$soak" "$plugins" rotate "$plugin" "$steps"
done
for plugin in biplot Havrel Pellin Tormin ternary Quadrel Vorn Vornc; do
  echo "== $plugin: $steps show/close cycles"
  "$soak" "$plugins" cycles "$plugin" "$steps"
done
