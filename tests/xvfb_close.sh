#!/usr/bin/env bash
# Starts the program on a real X display (Xvfb, the xcb platform), waits until
# its window is mapped, asks it to close the way a window manager does (a
# WM_DELETE_WINDOW client message, not a destroy) and expects exit status 0.
# Usage: xvfb_close.sh PROGRAM
set -uo pipefail

program="${1:?usage: xvfb_close.sh PROGRAM}"
python=/usr/bin/python3   # Debian's interpreter, where python3-xlib lives

if ! command -v Xvfb >/dev/null 2>&1 || ! "$python" -c 'import Xlib' 2>/dev/null; then
    echo "SKIP: needs Xvfb and python3-xlib (./test.sh installs them)"
    exit 77
fi

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -s "$work/app.log" ]; then
        echo "--- program output"
        cat "$work/app.log"
    fi
    exit 1
}

# Xvfb picks a free display number itself and writes it to descriptor 3.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
echo "Xvfb on $DISPLAY"

QT_QPA_PLATFORM=xcb "$program" >"$work/app.log" 2>&1 &
app_pid=$!

# Finds the mapped window, checks it, and sends the close request.
"$python" - "$app_pid" <<'EOF' || fail "no close request could be sent"
import sys, time
from Xlib import X, display, protocol

title = "TEST № 8"
app_pid = int(sys.argv[1])
d = display.Display()
root = d.screen().root
net_wm_name = d.intern_atom("_NET_WM_NAME")
utf8 = d.intern_atom("UTF8_STRING")
wm_protocols = d.intern_atom("WM_PROTOCOLS")
wm_delete = d.intern_atom("WM_DELETE_WINDOW")

def name_of(w):
    prop = w.get_full_property(net_wm_name, utf8)
    if prop and prop.value:
        value = prop.value
        return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
    return w.get_wm_name() or ""

def alive():
    try:
        with open(f"/proc/{app_pid}/stat") as f:
            return f.read().split(") ")[1][0] != "Z"
    except OSError:
        return False

window = None
deadline = time.monotonic() + 30
while window is None and time.monotonic() < deadline:
    if not alive():
        sys.exit("the program ended before its window was mapped")
    for w in root.query_tree().children:
        try:
            if w.get_attributes().map_state == X.IsViewable and title in name_of(w):
                window = w
                break
        except Exception:
            pass   # a window that went away while we looked
    else:
        time.sleep(0.1)
if window is None:
    sys.exit("no mapped window titled '%s' within 30 s" % title)

geometry = window.get_geometry()
print("window 0x%x '%s' %dx%d" % (window.id, name_of(window), geometry.width, geometry.height))
if (geometry.width, geometry.height) != (800, 600):
    sys.exit("window is %dx%d, not 800x600" % (geometry.width, geometry.height))
protocols = window.get_wm_protocols() or []
if wm_delete not in protocols:
    sys.exit("window does not take part in WM_DELETE_WINDOW")

# Still running a moment after it is mapped: it does not end on its own.
time.sleep(0.5)
if not alive():
    sys.exit("the program ended by itself")

# What a window manager sends for its close control (ICCCM 4.2.8.1).
event = protocol.event.ClientMessage(window=window, client_type=wm_protocols,
                                     data=(32, [wm_delete, X.CurrentTime, 0, 0, 0]))
window.send_event(event, event_mask=X.NoEventMask)
d.sync()
print("WM_DELETE_WINDOW sent")
EOF

for _ in $(seq 150); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end within 15 s of the close request"
fi
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"
if grep -qiE 'fatal IO error|XIO|BadWindow|Segmentation' "$work/app.log"; then
    fail "the program lost its display connection instead of closing"
fi
echo "PASS: closed through WM_DELETE_WINDOW, exit status 0"
