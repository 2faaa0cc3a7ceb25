#!/usr/bin/env bash
# Runs the whole bad-file table (every file the program reads, every kind of
# damage), in parallel shards, on the build in build/ (or $BUILD_DIR); CTest
# runs only a slice of it. One line per row goes to build/badfiles.txt (or
# $REPORT); the exit code is non-zero when any row failed.
#   bash scripts/badfiles.sh [shards]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
shards=${1:-$(nproc)}
report=${REPORT:-$build/badfiles.txt}
: >"$report"
export QT_QPA_PLATFORM="offscreen:configfile=$root/tests/offscreen-1024x768.json"
export EXAMSIM_HOME="$build/program" EXAMSIM_BADFILES=all EXAMSIM_BADFILES_REPORT="$report"
pids=()
for ((i = 0; i < shards; i++)); do
  EXAMSIM_BADFILES_SHARD="$i/$shards" "$build/tests/tst_badfiles" >"$build/badfiles-$i.log" 2>&1 &
  pids+=($!)
done
rc=0
for p in "${pids[@]}"; do wait "$p" || rc=1; done
rows=$(wc -l <"$report")
faults=$(grep -c ' | FAULT ' "$report")
echo "bad-file table: $rows rows, $faults with a fault; logs in $build/badfiles-*.log"
exit $rc
