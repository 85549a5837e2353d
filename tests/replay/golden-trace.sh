#!/usr/bin/env bash
# One seeded whole program against its checked-in trace: the same bytes, or the first lines
# that differ.
#   golden-trace.sh REPLAY_PROGRAM BATTLE GOLDEN_TRACE
set -euo pipefail
replay=$1 battle=$2 golden=$3
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$replay" $((battle + 1)) "$battle" >"$actual"
if ! cmp -s "$golden" "$actual"; then
  echo "Battle $battle no longer writes $golden; first differences (< golden, > now):" >&2
  diff "$golden" "$actual" | head -20 >&2
  exit 1
fi
