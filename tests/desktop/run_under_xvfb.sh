#!/usr/bin/env bash
# Runs a desktop test script on a private X display with a private session
# bus and the accessibility bus, the way a screen reader sees the program.
# Usage: run_under_xvfb.sh SCRIPT.py ARGS...
set -euo pipefail

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "desktop test: $tool is missing (run make setup)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
  { echo "desktop test: python3-pyatspi is missing (run make setup)" >&2; exit 1; }

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 ${TQ_SCREEN:-1280x900}x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$fifo"' EXIT
read -r -t 20 display <"$fifo" || { echo "desktop test: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY

dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  /usr/bin/python3 "$@"
  status=$?
  kill $launcher 2>/dev/null
  exit $status' desktop-test "$@"
