#!/usr/bin/env bash
# Builds and starts the program. Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/karvento "$@"
fi
exec build/bin/karvento "$@"
