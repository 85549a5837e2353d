#!/usr/bin/env bash
# Runs the screen-reader session test on an X server and a D-Bus session of its own, with
# the desktop's accessibility bus: nothing of the machine's own display or bus is used.
# Usage: run-session.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is missing (make test installs it)" >&2; exit 1; }
done

# A display number that no other X server holds.
display=
for number in $(seq 90 189); do
  if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then display=$number; break; fi
done
[ -n "$display" ] || { echo "FAILED: no free X display number" >&2; exit 1; }

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "FAILED: Xvfb did not start on :$display" >&2; exit 1; }

export DISPLAY=":$display"
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
export GTK_MODULES=gail:atk-bridge NO_AT_BRIDGE=0
exec dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.05
  done
  if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; then
    echo "FAILED: the accessibility bus did not start" >&2; exit 1
  fi
  /usr/bin/python3 "$0/screen_reader_session.py" "$1"
  status=$?
  kill $launcher 2>/dev/null
  exit $status
' "$here" "$program"
