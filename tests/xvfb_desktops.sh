#!/usr/bin/env bash
# The window on a real X display (Xvfb) as learners' desktops set it up: a dark palette, a desktop
# font, the Breeze style, the toolkit's -stylesheet and -style options, screens scaled to 125,
# 150 and 200 %, screens of about 100 dpi, and screens too small for their scale. Renders are
# compared with a plain 96-dpi desktop's; sizes are read from X. The program is also closed as a
# window manager closes it.
# Each further argument is a Qt Test command line ("PROGRAM [FUNCTION...]") that checks fit; it
# runs again on every scaled screen.
set -uo pipefail
render="${1:?usage: xvfb_desktops.sh RENDER_PAGES PROGRAM [FIT_TEST...]}"
program="${2:?usage: xvfb_desktops.sh RENDER_PAGES PROGRAM [FIT_TEST...]}"
fit_tests=("${@:3}")
python=/usr/bin/python3   # Debian's interpreter, where python3-xlib lives
for package in xvfb x11-xserver-utils python3-xlib qt5ct kde-style-breeze; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
        { echo "FAIL: package $package is missing (./test.sh installs it)"; exit 1; }
done
work="$(mktemp -d)" xvfb_pid="" failures=0
export XDG_RUNTIME_DIR="$work"   # a runtime folder of its own, as a desktop session gives
stop_x() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null; }
trap 'stop_x; rm -rf "$work"' EXIT
check() {   # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok:   $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}

start_x() {   # start_x WIDTHxHEIGHT: a fresh X server that keeps its resources between clients
    stop_x
    rm -f "$work/display"
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$1x24" 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
}
set_dpi() { echo "Xft.dpi: $1" | xrdb -load; }

# render NAME [VARIABLE=VALUE...] [-- OPTION...]: every page and review tab into $work/NAME.
render() {
    local name="$1" variables=() options=()
    shift
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do variables+=("$1"); shift; done
    [ $# -gt 0 ] && options=("${@:2}")
    env QT_QPA_PLATFORM=xcb "${variables[@]}" "$render" "$work/$name" "${options[@]}" \
        >"$work/$name.log" 2>&1
}
# differing NAME [BASE]: the renders of NAME that are not pixel for pixel those of BASE (by
# default the plain desktop's).
differing() {
    local page
    for page in "$work/${2:-plain}"/*.png; do
        cmp -s "$page" "$work/$1/$(basename "$page")" || basename "$page" .png
    done | tr '\n' ' '
}
only_differs() {   # only_differs NAME [PAGES]: exactly these renders differ from the plain ones
    local pages
    pages="$(differing "$1")"
    [ "$pages" = "${2:+$2 }" ] || { echo "  differ: ${pages:-none}"; return 1; }
}
same_as_plain() { only_differs "$1"; }
same_renders() {   # same_renders NAME BASE: every render of NAME is that of BASE
    local pages
    pages="$(differing "$1" "$2")"
    [ -z "$pages" ] || { echo "  differ: $pages"; return 1; }
}

# on_window size|close: starts the program and waits until X maps its window; then prints the
# window's WIDTHxHEIGHT in screen pixels, or asks the program to close as a window manager does
# (a WM_DELETE_WINDOW client message) and prints its exit status and its standard error.
on_window() {
    "$python" - "$program" "$1" <<'EOF'
import subprocess, sys, time
from Xlib import X, display, protocol
app = subprocess.Popen([sys.argv[1]], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
d = display.Display()
atom = d.intern_atom
def mapped():
    for w in d.screen().root.query_tree().children:
        try:
            title = w.get_full_property(atom("_NET_WM_NAME"), atom("UTF8_STRING"))
            if title and "TEST № 8" in title.value.decode() \
                    and w.get_attributes().map_state == X.IsViewable:
                return w
        except Exception:
            pass   # a window that went away while we looked
try:
    for _ in range(300):
        if window := mapped():
            break
        time.sleep(0.1)
    else:
        sys.exit(print("no-window"))
    if sys.argv[2] == "size":
        g = window.get_geometry()
        sys.exit(print(f"{g.width}x{g.height}"))
    time.sleep(0.5)   # still running a moment after it is mapped: it does not end on its own
    request = [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]
    window.send_event(protocol.event.ClientMessage(window=window, data=(32, request),
                      client_type=atom("WM_PROTOCOLS")), event_mask=X.NoEventMask)
    d.sync()
    status = app.wait(15)
    print(f"status {status}, standard error: {app.stderr.read().decode()!r}")
finally:
    if app.poll() is None:
        app.kill()
EOF
}
closes_cleanly() {   # the program ends with status 0 and nothing on standard error
    local said
    said="$(on_window close)"
    [ "$said" = "status 0, standard error: ''" ] || { echo "  $said"; return 1; }
}
size_near() {   # size_near WIDTH HEIGHT: the window maps at that size, give or take 2 pixels
    local size
    size="$(on_window size)"
    local width="${size%x*}" height="${size#*x}"
    [ "$size" != "no-window" ] && [ $((width - $1)) -le 2 ] && [ $(($1 - width)) -le 2 ] &&
        [ $((height - $2)) -le 2 ] && [ $(($2 - height)) -le 2 ] ||
        { echo "  window is $size, expected about $1x$2"; return 1; }
}
size_under() {   # size_under VARIABLE=VALUE WIDTH HEIGHT: size_near with that variable set
    (export "$1"; size_near "$2" "$3")
}
texts_fit() {   # texts_fit [OPTION...]: every fit test passes on this display, with these options
    local command
    for command in "${fit_tests[@]}"; do
        # shellcheck disable=SC2086  # a command line with its test functions
        QT_QPA_PLATFORM=xcb $command "$@" >"$work/fit.log" 2>&1 ||
            { grep -E "FAIL|Loc" "$work/fit.log"; return 1; }
    done
}

qt5ct_config() {   # qt5ct_config NAME LINE...: a config folder holding qt5ct.conf with those lines
    mkdir -p "$work/$1/qt5ct"
    printf '%s\n' "[Appearance]" "${@:2}" >"$work/$1/qt5ct/qt5ct.conf"
}
qt5ct_config dark-config "custom_palette=true" "style=Breeze" \
    "color_scheme_path=/usr/share/qt5ct/colors/darker.conf"
# DejaVu Sans 11 as the desktop's general font, in the form qt5ct saves it.
font='general=@Variant(\0\0\0@\0\0\0\x16\0\x44\0\x65\0j\0\x61\0V\0u\0 \0S\0\x61\0n\0s'
qt5ct_config font-config "[Fonts]" "$font"'@&\0\0\0\0\0\0\xff\xff\xff\xff\x5\x1\0\x32\x10)'
echo 'QLabel#label_5 { color: #b00000; }' >"$work/red-passage.qss"

start_x 2560x1600
set_dpi 96
render plain || { cat "$work/plain.log"; exit 1; }
render dark QT_QPA_PLATFORMTHEME=qt5ct XDG_CONFIG_HOME="$work/dark-config"
check "a dark desktop palette and the Breeze style change no page" same_as_plain dark
render font QT_QPA_PLATFORMTHEME=qt5ct XDG_CONFIG_HOME="$work/font-config"
check "a desktop font of another family and size changes no page" same_as_plain font
render breeze QT_STYLE_OVERRIDE=breeze
check "QT_STYLE_OVERRIDE=breeze changes no page" same_as_plain breeze
render stylesheet -- -stylesheet "$work/red-passage.qss"
check "-stylesheet colours the passage, and only the passage" only_differs stylesheet page-0
render windows -- -style windows
check "-style windows is honoured on every page but the reading text" only_differs windows \
    "page-1 page-2 page-3 page-4 page-5 page-6 $(echo result-tab{1..6})"
check "-style windows: every text fits" texts_fit -style windows
check "plain desktop: the window is 800 x 600" size_near 800 600
check "closed as a window manager closes it: status 0, nothing on standard error" closes_cleanly
for dpi in 120 144 192; do
    set_dpi "$dpi"
    scale=$((dpi * 100 / 96))
    check "$scale % ($dpi dpi): the window grows to $((8 * scale)) x $((6 * scale))" \
        size_near $((8 * scale)) $((6 * scale))
    check "$scale % ($dpi dpi): every text fits" texts_fit
done
# About 100 dpi is 100 %: a desktop's 100 dpi, and the X server's own when no Xft.dpi is set.
set_dpi 100
check "100 dpi: the window is 800 x 600" size_near 800 600
render dpi100
check "100 dpi: the pages are those of 96 dpi" same_as_plain dpi100
xrdb -load /dev/null
check "no Xft.dpi, the X server's 100 dpi: the window is 800 x 600" size_near 800 600
start_x 1366x768
set_dpi 144
# The window fitted to the screen: the program begins again at 120 %, with its own options.
check "150 % on a 1366 x 768 screen: the window and a title bar fit it" size_near 960 720
check "fitted there: closed cleanly, nothing on standard error" closes_cleanly
render fitted -- -style windows
render chosen QT_SCREEN_SCALE_FACTORS=1.2 -- -style windows
check "fitted there: -style windows and the pages of QT_SCREEN_SCALE_FACTORS=1.2" \
    same_renders fitted chosen
# The user's own scale is the toolkit's to apply, never fitted to the screen.
check "QT_SCREEN_SCALE_FACTORS=2 there: 200 %" size_under QT_SCREEN_SCALE_FACTORS=2 1600 1200
check "QT_SCALE_FACTOR=0.8 there: 0.8 x 150 %" size_under QT_SCALE_FACTOR=0.8 960 720
check "QT_SCALE_FACTOR=1.25 there: 1.25 x 150 %" size_under QT_SCALE_FACTOR=1.25 1500 1125
check "QT_ENABLE_HIGHDPI_SCALING=0 there: 100 %" size_under QT_ENABLE_HIGHDPI_SCALING=0 800 600
start_x 1024x600
set_dpi 120
check "125 % on a 1024 x 600 screen: never under 800 x 600" size_near 800 600
[ "$failures" -eq 0 ] || exit 1
echo "PASS: the same window on every desktop tried"
