#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. On a machine with
# no display it starts the editor on a virtual one (xvfb-run), and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kestrane

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: there is no display (DISPLAY is not set): starting the editor on a" >&2
  echo "     virtual X display with xvfb-run. Nothing shows on this screen; stop it" >&2
  echo "     with Ctrl+C." >&2
  exec xvfb-run -a build/src/app/kestrane "$@"
fi
exec build/src/app/kestrane "$@"
