#!/usr/bin/env bash
# Runs the screen-reader session: the program, the screen reader Orca and its speech on an X
# server, a D-Bus session and an accessibility bus of their own; nothing of the machine's own
# display, bus or sound is used. Every process started here is ended on the way out, also
# when the session fails.
# Usage: run-session.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher openbox orca speech-dispatcher xdotool /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is missing (make test installs it)" >&2; exit 1; }
done
# Orca will not start beside another Orca of the same user.
for _ in $(seq 120); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 1; done

session=$(mktemp -d "${TMPDIR:-/tmp}/duelmark-session.XXXXXX")
# Every process of the session carries this mark in its environment, daemons included, so
# that none is left behind.
export DUELMARK_SESSION=$session
end_session() {
  local pids
  for _ in 1 2 3; do
    pids=$(grep -lsz "^DUELMARK_SESSION=$session\$" /proc/[0-9]*/environ | cut -d/ -f3 | grep -vx "$$" || true)
    [ -n "$pids" ] || break
    kill $pids 2>/dev/null || true
    sleep 0.5
  done
  [ -z "$pids" ] || kill -9 $pids 2>/dev/null || true
  rm -rf "$session"
}
trap end_session EXIT

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
  exec /usr/bin/python3 "$0/orca_session.py" "$1" "$DUELMARK_SESSION"
' "$here" "$program"
