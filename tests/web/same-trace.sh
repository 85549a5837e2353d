#!/usr/bin/env bash
# Seeded battles natively and in WebAssembly under node: the traces must be byte for byte alike.
#   same-trace.sh NATIVE_PROGRAM WEBASSEMBLY_PROGRAM.js [BATTLES]
set -euo pipefail
native=$1 wasm=$2 battles=${3:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$native" "$battles" >"$work/native"
node "$wasm" "$battles" >"$work/wasm"
if ! cmp -s "$work/native" "$work/wasm"; then
  echo "The traces differ; first differences (< native, > WebAssembly):" >&2
  diff "$work/native" "$work/wasm" | head -20 >&2
  exit 1
fi
echo "$battles battles, $(wc -l <"$work/native") trace lines alike"
