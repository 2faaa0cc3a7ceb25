#!/usr/bin/env bash
# Installs what is missing, builds, checks the generated sample bank and runs
# every test (offscreen).
#
#   scripts/test.sh              the fuzz targets briefly, then every test
#   scripts/test.sh --sanitize   every test built with the address and
#                                undefined-behaviour sanitizers, in a build of
#                                its own (build-sanitize/, or $SANITIZE_DIR)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sanitize=0
for arg in "$@"; do
  case $arg in
    --sanitize) sanitize=1 ;;
    *) echo "usage: scripts/test.sh [--sanitize]" >&2; exit 2 ;;
  esac
done
bash "$root/scripts/deps.sh"

if [ $sanitize -eq 1 ]; then
  build=${SANITIZE_DIR:-$root/build-sanitize}
  flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
  cmake --build "$build" -j "${JOBS:-$(nproc)}"
  # A finding ends the test program with a report; leaks of the system's
  # libraries (fonts, the platform plugin) are not ours.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:halt_on_error=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
  cd "$build"
  ctest --output-on-failure -j "${JOBS:-$(nproc)}"
  exit
fi

bash "$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
# Every fuzz target briefly (30 seconds in all, two at a time), so a
# regression shows; then the tests, whose summary closes the run.
FUZZ_JOBS=${FUZZ_JOBS:-2} bash "$root/scripts/fuzz.sh" 30
cd "$build"
ctest --output-on-failure -j "${JOBS:-$(nproc)}"
