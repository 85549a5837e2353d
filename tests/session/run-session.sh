#!/usr/bin/env bash
# Runs a screen-reader session: a scenario with the screen reader Orca and its speech on an X
# server, a D-Bus session and an accessibility bus of their own, in a process namespace of its
# own. Nothing of the machine's own display, bus or sound is used, and the user's own Orca,
# if one runs, is neither seen nor touched: Orca refuses to start beside another process of its
# user named "orca", and looks for one among the processes it can see. When the scenario ends,
# the namespace ends with it, and every process started in it.
# Where no namespace can be made (a container), the session runs without one if no other Orca
# of its user runs, and is skipped otherwise; at its end it ends every process that carries
# its folder in DUELMARK_SESSION, which all of them inherit.
# Usage: run-session.sh SCENARIO.py ARGUMENTS...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${DUELMARK_SESSION:-}" ]; then
  # One session at a time on this machine, of whichever build: make test runs two builds' tests
  # side by side, and a session without a namespace must find no other Orca running. Every
  # process of the session holds the lock until it ends.
  exec 9>"${TMPDIR:-/tmp}/duelmark-session-$(id -u).lock"
  flock 9
  source "$here/namespace.sh"
  # The session's folder is removed once every process that wrote to it has ended.
  session=$(mktemp -d "${TMPDIR:-/tmp}/duelmark-session.XXXXXX")
  if [ ${#namespace[@]} -gt 0 ]; then
    trap 'rm -rf "$session"' EXIT
    DUELMARK_SESSION=$session "${namespace[@]}" "$0" "$@"
    exit
  fi
  if pgrep -u "$(id -u)" -x orca >/dev/null; then
    rm -rf "$session"
    echo "SKIPPED: another Orca of this user runs, and no process namespace can be made here to run" \
      "the session's beside it ($no_namespace)"
    exit 77
  fi
  echo "No process namespace can be made here ($no_namespace): the session runs without one."
  session_processes() { grep -lzxF "DUELMARK_SESSION=$session" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3; }
  end_session() {
    local signal left
    for signal in TERM TERM TERM TERM TERM KILL KILL KILL KILL KILL; do
      left=$(session_processes) || true
      [ -n "$left" ] || break
      # shellcheck disable=SC2086  # one process id a word
      kill -s $signal $left 2>/dev/null || true
      sleep 0.4
    done
    rm -rf "$session"
    left=$(session_processes) || true
    [ -z "$left" ] || { echo "FAILED: the session's processes $(echo $left) did not end" >&2; exit 1; }
  }
  trap end_session EXIT
  trap 'exit 130' INT TERM
  # In the background, so that a signal to end the session is taken at once.
  DUELMARK_SESSION=$session "$0" "$@" &
  wait $!
  exit
fi

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher openbox orca speech-dispatcher xdotool /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is missing (make test installs it)" >&2; exit 1; }
done

session=$DUELMARK_SESSION
export HOME=$session/home XDG_RUNTIME_DIR=$session/run XDG_CONFIG_HOME=$session/home/.config
export XDG_CACHE_HOME=$session/home/.cache XDG_DATA_HOME=$session/home/.local/share
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM
# Speech goes to a null sound device: there is no sound server.
cp /etc/speech-dispatcher/speechd.conf "$XDG_CONFIG_HOME/speech-dispatcher/"
printf 'AudioOutputMethod "libao"\nDefaultModule espeak-ng\n' >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo default_driver=null >"$HOME/.libao"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session/display" 2>/dev/null &
for _ in $(seq 100); do [ -s "$session/display" ] && break; sleep 0.05; done
[ -s "$session/display" ] || { echo "FAILED: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$session/display")"

dbus-run-session -- bash -c '
  set -e
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.05
  done
  openbox >/dev/null 2>&1 &
  exec /usr/bin/python3 "$@"
' bash "$here/$1" "${@:2}"
