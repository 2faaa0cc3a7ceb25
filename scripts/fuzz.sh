#!/usr/bin/env bash
# Builds and runs every fuzz target: fuzz/fuzz_<name>.cpp, linked with the
# library sources listed in fuzz/fuzz_<name>.sources (one path from the
# repository root a line, "#" starts a comment; a target may also include
# its sources itself) and QtCore, under libFuzzer with the address and
# undefined-behaviour sanitizers. Further Qt modules come from a line
# "qt <Module>..." in the .sources file or a mention of Qt6<Module> in the
# target's own text (its build comment). Seeds come from
# fuzz/seeds/fuzz_<name>/ when it exists; new inputs go to
# build/fuzz/corpus/fuzz_<name>/.
#
#   scripts/fuzz.sh [seconds] [runs]
#
# seconds (default 30) is shared by all targets; with runs given, every
# target runs that many inputs instead. Exits 1 when a target finds a fault;
# skips (exit 0) when clang or its fuzzer runtime is missing.
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
if ! command -v qtpaths6 >/dev/null 2>&1; then
  echo "fuzz: qtpaths6 not found, fuzz targets skipped"
  exit 0
fi
qtinc=$(qtpaths6 --query QT_INSTALL_HEADERS)
qtlib=$(qtpaths6 --query QT_INSTALL_LIBS)

shopt -s nullglob
targets=("$root"/fuzz/fuzz_*.cpp)
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no targets"
  exit 0
fi
# libFuzzer overruns its limit by about a second: keep the total in budget.
per=$(( seconds / ${#targets[@]} - 1 ))
[ "$per" -lt 1 ] && per=1
mkdir -p "$out"

status=0
for src in "${targets[@]}"; do
  name=$(basename "$src" .cpp)
  sources=()
  modules=(Core $(grep -o "Qt6[A-Z][A-Za-z]*" "$src" | sed "s/^Qt6//" | sort -u || true))
  if [ -f "${src%.cpp}.sources" ]; then
    while IFS= read -r line || [ -n "$line" ]; do
      line=${line%%#*}
      line=$(echo "$line" | xargs)
      if [[ "$line" == qt\ * ]]; then
        modules+=(${line#qt })
      elif [ -n "$line" ]; then
        sources+=("$root/$line")
      fi
    done < "${src%.cpp}.sources"
  fi
  qtflags=(-I"$qtinc" -DQT_NO_DEBUG -L"$qtlib")
  for m in $(printf '%s\n' "${modules[@]}" | sort -u); do
    qtflags+=(-I"$qtinc/Qt$m" "-DQT_$(echo "$m" | tr '[:lower:]' '[:upper:]')_LIB" "-lQt6$m")
  done
  bin="$out/$name"
  # Rebuilt when anything under src/ or fuzz/ is newer (targets may include
  # library sources themselves).
  if [ ! -x "$bin" ] || [ -n "$(find "$root/src" "$root/fuzz" -newer "$bin" -print -quit)" ]; then
    echo "fuzz: building $name"
    if ! "$cxx" -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined -I"$root/src" "$src" "${sources[@]}" "${qtflags[@]}" -o "$bin" \
        2> "$out/$name.build.log"; then
      if grep -q "libclang_rt.fuzzer\|cannot find -l\|fuzzer" "$out/$name.build.log" \
          && ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a >/dev/null 2>&1; then
        echo "fuzz: the libFuzzer runtime is missing, fuzz targets skipped (install libclang-rt-14-dev)"
        exit 0
      fi
      cat "$out/$name.build.log"
      echo "fuzz: $name does not build"
      status=1
      continue
    fi
  fi
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
