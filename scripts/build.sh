#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR). The build also generates
# the sample bank into build/program beside the executable.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}"
