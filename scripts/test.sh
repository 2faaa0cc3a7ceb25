#!/usr/bin/env bash
# Installs what is missing, builds, checks the generated sample bank and runs
# every test (offscreen).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
cd "$build"
ctest --output-on-failure -j "$(nproc)"
# Then every fuzz target briefly (30 seconds in all), so a regression shows.
bash "$root/scripts/fuzz.sh" 30
