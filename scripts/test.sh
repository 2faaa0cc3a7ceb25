#!/usr/bin/env bash
# Installs what is missing, builds, checks the generated sample bank and runs
# every test (offscreen).
#
#   scripts/test.sh              the fuzz targets briefly, then every test,
#                                then every test again built with the address
#                                and undefined-behaviour sanitizers (CI)
#   scripts/test.sh --sanitize   the sanitized tests alone
#
# The sanitized build has a folder of its own: build-sanitize/, or
# $SANITIZE_DIR.
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

# The sanitized build: clang (several times quicker than GCC at compiling
# with the sanitizers), -O1 and line tables only, which is what the reports
# need; its own folder. Arguments: the targets to build (none: all).
sanitize_build() {
  local build=$1; shift
  local flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
  local link="-fsanitize=address,undefined"
  command -v ld.lld >/dev/null 2>&1 && link="$link -fuse-ld=lld"
  local cxx; cxx=$(command -v "${SANITIZE_CXX:-clang++}")
  # A folder configured with another compiler (GCC, before) starts afresh:
  # CMake would drop its cache itself, and the flags below with it.
  if [ -f "$build/CMakeCache.txt" ] && ! grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=$cxx" "$build/CMakeCache.txt"; then
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
  fi
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$link" \
    -DCMAKE_SHARED_LINKER_FLAGS="$link" >/dev/null
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$build" -j "${JOBS:-$(nproc)}" "${targets[@]}"
}

# A finding ends the test program with a report; leaks of the system's
# libraries (fonts, the platform plugin) are not ours.
sanitize_env() {
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:halt_on_error=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
}

if [ $sanitize -eq 1 ]; then
  build=${SANITIZE_DIR:-$root/build-sanitize}
  sanitize_build "$build" examsim_tests
  sanitize_env
  cd "$build"
  ctest --output-on-failure -j "${JOBS:-$(nproc)}"
  exit
fi

build=${BUILD_DIR:-$root/build}
# A fresh plain build (CI's) is compiled by clang, with its precompiled
# headers, and linked by lld: half the CPU time of GCC's build, which has to
# share CI's 30 minutes with the sanitized one. A build folder that exists
# keeps the compiler it was configured with (scripts/build.sh alone: GCC).
if [ ! -f "$build/CMakeCache.txt" ]; then
  command -v clang++ >/dev/null 2>&1 && export CXX=${CXX:-clang++}
  command -v ld.lld >/dev/null 2>&1 && export LDFLAGS="${LDFLAGS:-} -fuse-ld=lld"
fi
# Each step's time since the start and the CPU time of all the commands
# ended so far, so the log shows where CI's minutes go.
step() {
  awk -v what="$1" -v t=$SECONDS -v hz="$(getconf CLK_TCK)" '{
    printf "== %s: %d s since the start; CPU so far %d s user, %d s system ==\n", what, t, $16 / hz, $17 / hz }' /proc/$$/stat
}
bash "$root/scripts/build.sh"
step "plain build done"
# Every fuzz target briefly (30 seconds in all, two at a time), so a
# regression shows.
FUZZ_JOBS=${FUZZ_JOBS:-2} bash "$root/scripts/fuzz.sh" 30
step "fuzz run done"
# The sanitized build runs beside the plain build's tests, at the lowest
# priority: the tests spend much of their time waiting on their windows'
# timers, and the compiler takes the idle processor without slowing them.
# Then the sanitized tests. A failure in the plain tests does not hide the
# sanitized ones'.
sbuild=${SANITIZE_DIR:-$root/build-sanitize}
# Two tests a core: most of a test's time is spent waiting.
test_jobs=${TEST_JOBS:-$(( 2 * ${JOBS:-$(nproc)} ))}
mkdir -p "$sbuild"
(renice -n 19 $BASHPID >/dev/null; sanitize_build "$sbuild" examsim_tests) > "$sbuild/build.log" 2>&1 &
spid=$!
status=0
echo "== the tests =="
(cd "$build" && ctest --output-on-failure -j "$test_jobs") || status=1
step "plain tests done"
if ! wait $spid; then
  tail -60 "$sbuild/build.log"
  echo "the sanitized build failed (log: $sbuild/build.log)"
  exit 1
fi
step "sanitized build done"
echo "== the tests under the address and undefined-behaviour sanitizers =="
(sanitize_env && cd "$sbuild" && ctest --output-on-failure -j "$test_jobs") || status=1
step "sanitized tests done"
exit $status
