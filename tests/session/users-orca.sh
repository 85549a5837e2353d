#!/usr/bin/env bash
# A stand-in for the user's own Orca, as a blind developer runs it every day: a process of the
# same user named "orca", which is what Orca looks for before it starts. "start" starts it in
# the folder given and leaves it running; "check" fails unless it is still running after the
# sessions, then ends it. Where no process namespace can be made, a session's Orca cannot run
# beside it, so the stand-in is left out and both steps are skipped, saying why.
# Usage: users-orca.sh start|check FOLDER
set -euo pipefail
folder=$2
case $1 in
  start)
    source "$(dirname "$0")/namespace.sh"
    if [ ${#namespace[@]} -eq 0 ]; then
      echo "SKIPPED: no process namespace can be made here ($no_namespace), so a session's Orca" \
        "cannot run beside the user's own; the sessions run without one"
      rm -rf "$folder"
      exit 77
    fi
    mkdir -p "$folder"
    # A stand-in that an interrupted run left behind ends, and its file makes way for the new one.
    if [ -e "$folder/pid" ] && [ "$(ps -o comm= -p "$(cat "$folder/pid")" || true)" = orca ]; then
      kill "$(cat "$folder/pid")"
    fi
    rm -f "$folder/orca"
    cp "$(command -v sleep)" "$folder/orca"
    setsid "$folder/orca" 3600 </dev/null >/dev/null 2>&1 &
    echo $! >"$folder/pid"
    for _ in $(seq 50); do pgrep -u "$(id -u)" -x orca >/dev/null && break; sleep 0.1; done
    pgrep -u "$(id -u)" -x orca >/dev/null || { echo "FAILED: Orca's own check does not find the stand-in" >&2; exit 1; }
    ;;
  check)
    [ -e "$folder/pid" ] || { echo "SKIPPED: no stand-in was started"; exit 77; }
    pid=$(cat "$folder/pid")
    running=$(ps -o comm= -p "$pid" || true)
    kill "$pid" 2>/dev/null || true
    rm -rf "$folder"
    [ "$running" = orca ] || { echo "FAILED: the user's Orca did not outlive the sessions" >&2; exit 1; }
    ;;
esac
