#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on the sample bank.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Run the program under a virtual display with:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $build/program/examsim"
  exit 0
fi
exec "$build/program/examsim"
