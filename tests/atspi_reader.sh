#!/usr/bin/env bash
# Starts the program on a real X display with the desktop's accessibility bus, as under a
# screen reader, and runs atspi_reader.py against it: what the reader is told, over AT-SPI.
set -uo pipefail
program="${1:?usage: atspi_reader.sh PROGRAM}"
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3   # Debian's interpreter, where python3-pyatspi and python3-xlib live
launcher=/usr/libexec/at-spi-bus-launcher
command -v Xvfb dbus-run-session >/dev/null && [ -x "$launcher" ] &&
    "$python" -c 'import pyatspi, Xlib' 2>/dev/null ||
    { echo "SKIP: needs Xvfb, dbus, at-spi2-core, python3-pyatspi (./test.sh installs them)"
      exit 77; }
work="$(mktemp -d)" xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# -noreset: the bus launcher leaves its address on the root window and disconnects; without
# it the server resets as its last client leaves and the program never finds the bus.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1024x768x24 \
    3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start within 10 s"; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")" XDG_RUNTIME_DIR="$work"

# A private session bus, its accessibility bus, the program with accessibility on, the check.
dbus-run-session -- bash -c '
    "$1" --launch-immediately >"$4/atspi.log" 2>&1 &
    launcher_pid=$!
    sleep 0.5
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$2" >"$4/app.log" 2>&1 &
    app_pid=$!
    "$3" "$5" "$app_pid"
    status=$?
    kill -9 "$app_pid" "$launcher_pid" 2>/dev/null
    exit $status
' reader "$launcher" "$program" "$python" "$work" "$here/atspi_reader.py"
status=$?
[ "$status" -eq 0 ] || { cat "$work/app.log" 2>/dev/null; exit 1; }
