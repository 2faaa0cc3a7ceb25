#!/usr/bin/env bash
# Runs one Qt Test program for CTest. It passes only when the program exits
# with 0 and has printed its totals line with no failure: a program that ends
# early (code under test ending the process) prints no totals and fails here,
# whatever its exit code.
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$@" 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}
if ! grep -Eq '^Totals: [0-9]+ passed, 0 failed, ' "$log"; then
  echo "qtest-run: $(basename "$1") ended without its Qt Test totals line (exit code $rc)"
  exit 1
fi
exit "$rc"
