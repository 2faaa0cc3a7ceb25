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
# target runs that many inputs instead. Exits 1 when a target finds a fault
# or does not build; skips (exit 0) when clang or its fuzzer runtime is
# missing.
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
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no targets"
  exit 0
fi
if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a >/dev/null 2>&1; then
  echo "fuzz: the libFuzzer runtime is missing, fuzz targets skipped (install libclang-rt-14-dev)"
  exit 0
fi
# libFuzzer overruns its limit by about a second: keep the total in budget.
per=$(( seconds / ${#targets[@]} - 1 ))
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

status=0
for src in "${targets[@]}"; do
  name=$(basename "$src" .cpp)
  bin="$cmakebuild/bin/$name"
  corpus="$out/corpus/$name"
  mkdir -p "$corpus"
  dirs=("$corpus")
  [ -d "$root/fuzz/seeds/$name" ] && dirs+=("$root/fuzz/seeds/$name")
  if [ -n "$runs" ]; then
    limit=(-runs="$runs")
  else
    limit=(-max_total_time="$per")
  fi
  log="$out/$name.log"
  if (cd "$out" && UBSAN_OPTIONS=print_stacktrace=1 "$bin" "${limit[@]}" -max_len=16384 -timeout=10 \
      -rss_limit_mb=2048 -artifact_prefix="$out/$name-" "${dirs[@]}" > "$log" 2>&1); then
    echo "fuzz: $name: $(grep -E '^Done [0-9]+ runs' "$log" | tail -1)"
  else
    tail -40 "$log"
    echo "fuzz: $name FOUND A FAULT (input saved under $out/$name-*)"
    status=1
  fi
done
exit $status
