#!/usr/bin/env bash
# The README's path with CMake alone, in a fresh clone of this tree's HEAD: configure, build and
# run every test whose tools are here. Each test must pass or be skipped with its reason; none
# may fail. Prints ctest's summary and the reasons of the skipped tests.
#   scripts/test-cmake-only.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone --quiet "$here" "$work/duelmark"
cd "$work/duelmark"
cmake --preset default >/dev/null
cmake --build --preset default
status=0
ctest --preset default --output-on-failure >"$work/ctest.log" 2>&1 || status=$?
grep -E '^[0-9]+% tests passed|Not Run|Skipped|\*\*\*Failed' "$work/ctest.log" || true
# Why each skipped test was skipped, as it said.
grep -h '^Skipped: ' build/default/Testing/Temporary/LastTest*.log | sort -u || true
# What a failed test said.
[ "$status" -eq 0 ] || sed -n '/^The following tests FAILED/,$p;/Output from these tests/,/^$/p' "$work/ctest.log"
[ "$status" -eq 0 ] || grep -B2 -A40 '\*\*\*Failed' "$work/ctest.log" | head -120
exit $status
