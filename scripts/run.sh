#!/usr/bin/env bash
# Installs what is missing, builds, and starts the TAVO storage calculator.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
program="${TAVO_BUILD_DIR:-$root/build}/bin/tavo-storage-calculator"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting on a virtual X server (nothing will be visible)." >&2
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$program" "$@"
fi
exec "$program" "$@"
