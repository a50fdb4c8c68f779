#!/bin/sh
# Installs what is missing, builds Corvane and runs it: in its window when a display is
# available, otherwise headless, printing the status rows once a second (Ctrl+C ends it).
set -eu
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/corvane "$@"
fi
exec build/bin/corvane --headless "$@"
