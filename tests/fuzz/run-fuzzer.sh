#!/usr/bin/env bash
# Runs a fuzz target on its seed corpus (corpus/NAME beside this script) and on the inputs that
# earlier runs kept, then prints how many inputs it ran and how fast.
#   run-fuzzer.sh [--fresh] FUZZER WORK [libFuzzer options]
# New inputs are kept in WORK/corpus (emptied first with --fresh), the log in WORK/fuzz.log, and
# an input that fails is written to WORK/ as crash-*, leak-* or timeout-*: run the fuzzer
# on that file alone to see the failure again.
set -euo pipefail
fresh=false
if [ "${1:-}" = --fresh ]; then fresh=true; shift; fi
fuzzer=$1 work=$2
shift 2
name=$(basename "$fuzzer")
name=${name#duelmark_fuzz_}
here=$(cd "$(dirname "$0")" && pwd)
# Built by Clang in its own tree, which make test builds and CMake alone does not: ctest reads
# status 77 as skipped, with this line as the reason.
if [ ! -x "$fuzzer" ]; then
  echo "Skipped: $fuzzer is not built; 'make build-fuzz' or 'make test' builds it."
  exit 77
fi

# Room for a long digit string; for a hundred or so of a user's events.
case $name in
  number_text) max_len=256 ;;
  command_line) max_len=200 ;;
  *) max_len=1024 ;;
esac

if $fresh; then rm -rf "$work/corpus"; fi
mkdir -p "$work/corpus"
log=$work/fuzz.log
status=0
# An input that takes longer than the timeout has hung the program.
"$fuzzer" -max_len=$max_len -timeout=20 -print_final_stats=1 -artifact_prefix="$work/" "$@" "$work/corpus" "$here/corpus/$name" \
  >"$log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
  tail -n 60 "$log"
  echo "$name failed (status $status); the log is $log" >&2
  exit $status
fi
# libFuzzer's final statistics: "stat::average_exec_per_sec:     1234"; its last line of
# progress names the code edges ("cov") and the finer features ("ft") its inputs reached, and
# its first lines how many edges the program has ("3431 inline 8-bit counters").
stat() { sed -n "s/^stat::$1: *//p" "$log"; }
reached() { grep -o "$1: [0-9]*" "$log" | tail -n 1 | cut -d' ' -f2; }
edges=$(sed -n 's/.*(\([0-9]*\) inline 8-bit counters).*/\1/p' "$log" | head -n 1)
echo "$name: $(stat number_of_executed_units) inputs, $(stat average_exec_per_sec) executions per second," \
     "$(reached cov) of $edges edges and $(reached ft) features reached," \
     "$(find "$work/corpus" -type f | wc -l) inputs kept, slowest $(stat slowest_unit_time_sec) s"
