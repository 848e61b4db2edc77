#!/bin/bash
# A whole session with the Orca screen reader, headless: runs the program under Xvfb with
# Orca, drives it by keyboard alone (drive.py) and writes what Orca said after each key.
#   ../shared/tools/orca-session/run.sh BINARY [OUT_DIR]          (about 2 minutes)
# OUT_DIR defaults to a new temporary folder. The transcript is OUT_DIR/transcript.txt (also
# printed); every line spoken is in OUT_DIR/speech.txt, Orca's own record in orca-speech.txt.
# FLAT_REVIEW=late: see drive.py. ORCA_DEBUG=1: Orca's debug log in OUT_DIR/orca-debug.txt.
# Each line of the transcript starts with the language speech-dispatcher was asked to speak it
# in ("[fr]", "[uk]"); with espeak-ng installed, each line is also synthesised (to nothing)
# with its voice of that language. Orca 49 and later take their settings from GSettings only:
# here a key file (Orca 43 and 48 read their own settings folder as well).
set -u
here=$(cd "$(dirname "$0")" && pwd)
binary=$(readlink -f "${1:?usage: run.sh BINARY [OUT_DIR]}")
out=${2:-$(mktemp -d /tmp/orca-session.XXXXXX)}
mkdir -p "$out"
for tool in Xvfb dbus-launch speech-dispatcher orca xdotool; do
    command -v $tool >/dev/null || { echo "missing $tool: apt-get install xvfb dbus-x11 speech-dispatcher speech-dispatcher-audio-plugins orca xdotool" >&2; exit 2; }
done

# A private home for everything Orca, GLib and speech-dispatcher write.
export HOME=$out/home XDG_CONFIG_HOME=$out/home/.config XDG_DATA_HOME=$out/home/.local/share \
       XDG_CACHE_HOME=$out/home/.cache XDG_RUNTIME_DIR=$out/run GSETTINGS_BACKEND=keyfile \
       LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo default_driver=null > "$HOME/.libao"
# Orca 50 and later switch voices by an object's language only when asked to for the
# controls of an application (it does for documents); no braille display here.
mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
cat >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile" <<'KEYS'
[org/gnome/orca/default/speech]
auto-language-switching-ui=true
[org/gnome/orca/default/braille]
enabled=false
KEYS
export SPEECH_FILE=$out/speech.txt ORCA_SPEECH_LOG=$out/orca-speech.txt
: > "$SPEECH_FILE"; : > "$ORCA_SPEECH_LOG"

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

# -noreset: the bus launcher publishes the accessibility bus on the root window
# (AT_SPI_BUS) and disconnects; without it Xvfb resets when its last client leaves,
# the property is lost, and Qt 5 (which registers with the registry before its own
# bus lookup has answered) stays invisible to Orca.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$out/display" 2>"$out/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
[ -s "$out/display" ] || { echo "Xvfb did not start; see $out/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -1 "$out/display")

# The keyboard focus on the root window, where a desktop leaves it with no window focused.
# Xvfb starts with none ("pointer root"): there Orca 51's key grabs fail, and it never takes
# Insert for its modifier key, so Insert+KP_Home and the other Orca keys are not its commands.
xdotool windowfocus "$(xdotool search --maxdepth 0 --name '' | head -1)"
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$out/atspi.log" 2>&1 &
pids+=($!)
speech-dispatcher -s -t 0 -C "$here" -L "$out" >"$out/speechd.out" 2>&1 &
pids+=($!)
sleep 1

mkdir -p "$out/orca"
cp "$here/orca-customizations.py" "$out/orca/"
# No braille display here (BrlAPI would only be tried and fail).
# Orca 43 and 48 take a settings folder and options to leave braille off; Orca 49 and later
# have neither option (its settings are in the key file above).
if orca --help 2>&1 | grep -q -- '--disable'; then
    orca_options=(-u "$out/orca" --disable braille,braille-monitor)
else
    orca_options=()
fi
orca "${orca_options[@]}" ${ORCA_DEBUG:+--debug-file "$out/orca-debug.txt"} \
    >"$out/orca.out" 2>&1 &
pids+=($!)
for _ in $(seq 150); do [ -s "$SPEECH_FILE" ] && break; sleep 0.1; done   # "Screen reader on."
[ -s "$SPEECH_FILE" ] || { echo "Orca did not speak; see $out/orca.out" >&2; exit 1; }
sleep 2

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
(cd "$(dirname "$binary")" && exec "$binary") >"$out/program.out" 2>&1 &
pids+=($!)
program=$!

/usr/bin/python3 "$here/drive.py" "$out" "$program"
status=$?
cat "$out/transcript.txt" 2>/dev/null
echo "(files in $out)"
exit $status
