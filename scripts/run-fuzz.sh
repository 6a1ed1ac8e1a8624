#!/usr/bin/env bash
# Runs a libFuzzer target with a temporary folder of its own, and fails when the run leaves
# anything in it. Usage: scripts/run-fuzz.sh <folder> <fuzz target> [libFuzzer arguments...]
set -euo pipefail

folder="$1"
shift
rm -rf "$folder"
mkdir -p "$folder"
TMPDIR="$folder" "$@"
left="$(ls -A "$folder")"
if [[ -n "$left" ]]; then
  echo "the run left in the temporary folder: $left" >&2
  exit 1
fi
