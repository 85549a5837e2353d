#!/usr/bin/env bash
# Runs each screen-reader session RUNS times in a row (default 10) while stress-ng keeps every
# processor busy, as a contributor's machine is while it builds, and prints how each run ended
# and how long it took. A run that fails keeps its output in build/sessions-under-load/.
# Usage: scripts/sessions-under-load.sh [RUNS] [SESSION...]   (the sessions: desktop german chromium firefox-esr)
# PROGRAM and SITE name the program and the page's folder (build/default/app/duelmark, build/web).
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
shift $(($# > 0 ? 1 : 0))
sessions=("$@")
[ ${#sessions[@]} -gt 0 ] || sessions=(desktop german chromium firefox-esr)
command -v stress-ng >/dev/null || { echo "stress-ng is missing: apt-get install stress-ng" >&2; exit 1; }
out=build/sessions-under-load
mkdir -p "$out"
stress-ng --cpu "$(nproc)" --quiet &
stress=$!
trap 'kill $stress 2>/dev/null' EXIT
for session in "${sessions[@]}"; do
  passed=0
  for run in $(seq "$runs"); do
    if [ "$session" = desktop ] || [ "$session" = german ]; then
      command=(tests/session/run-session.sh "${session}_session.py" "${PROGRAM:-build/default/app/duelmark}")
    else
      command=(tests/session/run-session.sh browser_session.py "$session" "$(realpath "${SITE:-build/web}")")
    fi
    SECONDS=0
    if "${command[@]}" >"$out/$session-$run.log" 2>&1; then
      passed=$((passed + 1)); verdict=passed; rm "$out/$session-$run.log"
    else
      verdict="FAILED ($out/$session-$run.log)"
    fi
    printf '%-12s run %2d: %s in %d s\n' "$session" "$run" "$verdict" "$SECONDS"
  done
  echo "$session: $passed of $runs runs passed with every processor busy"
done
