#!/usr/bin/env bash
# Sets up, builds and runs the reference host on its embedded samples: in windows when there
# is a display, otherwise off screen, writing one PNG per viewer into host-pictures/.
# Usage: scripts/run-host.sh [plot_host arguments...]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build" >/dev/null
exec "$here/build/tools/host/plot_host" "$@"
