#!/usr/bin/env bash
# Starts the program, on a private virtual display when there is no display.
set -euo pipefail
program="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Horalo on a private virtual display (Xvfb)."
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$program"
fi
exec "$program"
