#!/usr/bin/env bash
# Builds and runs every fuzz target: fuzz/fuzz_<name>.cpp, one source file
# linked with the core library, under libFuzzer with the address and
# undefined-behaviour sanitizers. The targets have a build of their own
# (build/fuzz/cmake, configured with EXAMSIM_FUZZ): clang compiles the core
# library and the targets there, nothing else. Seeds come from
# fuzz/seeds/fuzz_<name>/ when it exists; new inputs go to
# build/fuzz/corpus/fuzz_<name>/.
#
#   scripts/fuzz.sh [seconds] [runs]
#
# seconds (default 30) is shared by all targets; with runs given, every
# target runs that many inputs instead. FUZZ_JOBS (default 1) targets run at
# a time, each on one core; FUZZ_ONLY="name ..." runs only those targets
# (names without "fuzz_"). Exits 1 when a target finds a fault or does not
# build; skips (exit 0) when clang or its fuzzer runtime is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
runs=${2:-}
out=${BUILD_DIR:-$root/build}/fuzz
cxx=${FUZZ_CXX:-clang++}

if ! command -v "$cxx" >/dev/null 2>&1; then
  echo "fuzz: $cxx not found, fuzz targets skipped (install clang and libclang-rt-14-dev)"
  exit 0
fi

shopt -s nullglob
targets=("$root"/fuzz/fuzz_*.cpp)
if [ -n "${FUZZ_ONLY:-}" ]; then
  targets=()
  for name in $FUZZ_ONLY; do targets+=("$root/fuzz/fuzz_$name.cpp"); done
fi
jobs=${FUZZ_JOBS:-1}
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no targets"
  exit 0
fi
if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a >/dev/null 2>&1; then
  echo "fuzz: the libFuzzer runtime is missing, fuzz targets skipped (install libclang-rt-14-dev)"
  exit 0
fi
# libFuzzer overruns its limit by about a second: keep the total in budget.
per=$(( seconds * jobs / ${#targets[@]} - 1 ))
[ "$per" -lt 1 ] && per=1
mkdir -p "$out"

cmakebuild="$out/cmake"
if ! cmake -S "$root" -B "$cmakebuild" -G Ninja -DEXAMSIM_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$(command -v "$cxx")" > "$out/configure.log" 2>&1; then
  cat "$out/configure.log"
  echo "fuzz: the fuzz build does not configure"
  exit 1
fi
if ! cmake --build "$cmakebuild" --target fuzz_targets -j "${JOBS:-$(nproc)}" > "$out/build.log" 2>&1; then
  tail -60 "$out/build.log"
  echo "fuzz: the fuzz targets do not build"
  exit 1
fi

# One target: its log in $out/<name>.log, its verdict in $out/<name>.status.
run_target() {
  local name=$1 bin="$cmakebuild/bin/$1" corpus="$out/corpus/$1"
  mkdir -p "$corpus"
  local dirs=("$corpus")
  [ -d "$root/fuzz/seeds/$name" ] && dirs+=("$root/fuzz/seeds/$name")
  local limit
  if [ -n "$runs" ]; then
    limit=(-runs="$runs")
  else
    limit=(-max_total_time="$per")
  fi
  # New blocks are not filled and freed ones are held back 16 MB deep (well
  # beyond what one input frees): the file-heavy targets, whose every file
  # read and write allocates buffers, run several times faster, and every
  # check of the sanitizers stays. An input counts as hanging after 30
  # seconds: on a loaded machine one is stalled for several.
  if (cd "$out" && ASAN_OPTIONS=${ASAN_OPTIONS:-max_malloc_fill_size=0:quarantine_size_mb=16} UBSAN_OPTIONS=print_stacktrace=1 "$bin" "${limit[@]}" -max_len=16384 -timeout=30 \
      -rss_limit_mb=2048 -artifact_prefix="$out/$name-" "${dirs[@]}" > "$out/$name.log" 2>&1); then
    echo ok > "$out/$name.status"
  else
    echo fault > "$out/$name.status"
  fi
}

names=()
for src in "${targets[@]}"; do
  name=$(basename "$src" .cpp)
  names+=("$name")
  rm -f "$out/$name.status"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run_target "$name" &
done
wait

status=0
for name in "${names[@]}"; do
  if [ "$(cat "$out/$name.status" 2>/dev/null)" = ok ]; then
    echo "fuzz: $name: $(grep -E '^Done [0-9]+ runs' "$out/$name.log" | tail -1)"
  else
    tail -40 "$out/$name.log"
    echo "fuzz: $name FOUND A FAULT (input saved under $out/$name-*)"
    status=1
  fi
done
exit $status
