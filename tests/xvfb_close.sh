#!/usr/bin/env bash
# Starts the program on a real X display (Xvfb, the xcb platform), waits until its window is mapped,
# asks it to close as a window manager does (a WM_DELETE_WINDOW client message) and expects
# status 0, with nothing written to standard error on the way.
set -uo pipefail
program="${1:?usage: xvfb_close.sh PROGRAM}"
python=/usr/bin/python3   # Debian's interpreter, where python3-xlib lives
command -v Xvfb >/dev/null && "$python" -c 'import Xlib' 2>/dev/null ||
    { echo "SKIP: needs Xvfb and python3-xlib (./test.sh installs them)"; exit 77; }
work="$(mktemp -d)" xvfb_pid="" app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    cat "$work/xvfb.log" "$work/app.log" "$work/app.err" 2>/dev/null
    exit 1
}

# Xvfb picks a free display number itself and writes it to descriptor 3.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start within 10 s"
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
# A runtime folder of its own, as a desktop session gives every program.
XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb "$program" >"$work/app.log" 2>"$work/app.err" &
app_pid=$!
"$python" - "$app_pid" <<'EOF' || fail "no close request could be sent"
import sys, time
from Xlib import X, display, protocol
d = display.Display()
atom = d.intern_atom
def alive():   # not ended, and not a zombie waiting for its parent
    try: return open(f"/proc/{sys.argv[1]}/stat").read().split(") ")[1][0] != "Z"
    except OSError: return False
def mapped_window():
    for w in d.screen().root.query_tree().children:
        try:
            name = w.get_full_property(atom("_NET_WM_NAME"), atom("UTF8_STRING"))
            viewable = w.get_attributes().map_state == X.IsViewable
            if viewable and name and "TEST № 8" in name.value.decode():
                return w
        except Exception: pass   # a window that went away while we looked
deadline = time.monotonic() + 30
while (window := mapped_window()) is None:
    if not alive() or time.monotonic() > deadline:
        sys.exit("no mapped window titled 'TEST № 8' within 30 s")
    time.sleep(0.1)
size = window.get_geometry()
if (size.width, size.height) != (800, 600):
    sys.exit(f"window is {size.width}x{size.height}, not 800x600")
if atom("WM_DELETE_WINDOW") not in (window.get_wm_protocols() or []):
    sys.exit("no WM_DELETE_WINDOW protocol")
time.sleep(0.5)   # still running a moment after it is mapped: it does not end on its own
if not alive(): sys.exit("the program ended by itself")
close = [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]
request = protocol.event.ClientMessage(window=window, client_type=atom("WM_PROTOCOLS"),
                                       data=(32, close))
window.send_event(request, event_mask=X.NoEventMask)
d.sync()
EOF

for _ in $(seq 150); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end within 15 s of the close request"
wait "$app_pid"
status=$? app_pid=""
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"
[ -s "$work/app.err" ] && fail "standard error was not empty: $(cat "$work/app.err")"
echo "PASS: closed through WM_DELETE_WINDOW, exit status 0, nothing on standard error"
