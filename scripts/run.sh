#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kestrane

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display to show the editor on (DISPLAY is not set)." >&2
  echo "On a machine without a screen, start it under a virtual one:" >&2
  echo "    xvfb-run -a scripts/run.sh" >&2
  exit 1
fi
exec build/src/app/kestrane "$@"
