#!/usr/bin/env bash
# Installs what is missing, builds, checks the generated sample bank and runs
# every test (offscreen).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
# Every fuzz target briefly (30 seconds in all, two at a time), so a
# regression shows; then the tests, whose summary closes the run.
FUZZ_JOBS=${FUZZ_JOBS:-2} bash "$root/scripts/fuzz.sh" 30
cd "$build"
ctest --output-on-failure -j "${JOBS:-$(nproc)}"
