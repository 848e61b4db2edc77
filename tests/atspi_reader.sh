#!/usr/bin/env bash
# Starts the program on a real X display with the desktop's accessibility bus, as under a
# screen reader, and runs atspi_reader.py against it: what the reader is told, over AT-SPI.
# Every process it starts is ended by its own id, and the run fails if one is left.
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
# The accessibility bus is a daemon the launcher starts as its child: both are ended by their
# own ids (a launcher killed outright leaves its daemon running), and every id is noted in
# $work/pids, the session bus's daemon too, to be looked for once all is over.
dbus-run-session -- bash -c '
    work=$4
    children() { cat /proc/"$1"/task/*/children 2>/dev/null; }
    end() {   # ends each process named and waits until it is gone
        kill "$@" 2>/dev/null
        for pid in "$@"; do timeout 10 tail --pid="$pid" -f /dev/null; done
    }
    "$1" --launch-immediately >"$work/atspi.log" 2>&1 &
    launcher_pid=$!
    sleep 0.5
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$2" >"$work/app.log" 2>&1 &
    app_pid=$!
    bus_pids=$(children "$launcher_pid")
    echo $launcher_pid $bus_pids $app_pid $(children "$PPID") >"$work/pids"
    "$3" "$5" "$app_pid"
    status=$?
    end "$app_pid"
    end $bus_pids "$launcher_pid"
    exit $status
' reader "$launcher" "$program" "$python" "$work" "$here/atspi_reader.py"
status=$?
[ "$status" -eq 0 ] || { cat "$work/app.log" 2>/dev/null; exit 1; }

# Nothing of the run may be left: not the program, the bus launcher, its daemon or the
# session bus. A process noted at the start and still there now is one the run leaked.
read -ra started <"$work/pids"
if [ "${#started[@]}" -lt 5 ]; then
    echo "FAIL: only ${#started[@]} processes noted: ${started[*]}"
    exit 1
fi
for pid in "${started[@]}"; do timeout 10 tail --pid="$pid" -f /dev/null; done
left=() left_pids=()
for pid in "${started[@]}"; do
    [ -e "/proc/$pid" ] || continue
    left+=("$pid $(tr '\0' ' ' <"/proc/$pid/cmdline")")
    left_pids+=("$pid")
done
if [ "${#left[@]}" -gt 0 ]; then
    printf 'FAIL: left running: %s\n' "${left[@]}"
    kill "${left_pids[@]}" 2>/dev/null   # ended now, so that a failed run leaks nothing either
    exit 1
fi
echo "PASS: the program, the accessibility bus and its daemon, and the session bus all ended"
