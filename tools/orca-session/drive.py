"""Drives one whole session of the program by keyboard alone and writes transcript.txt:
each key pressed, then every line Orca had speech-dispatcher speak for it, after the
language it was spoken in (Orca's echo of the key's own name, "tab", "space"..., is left out).

    /usr/bin/python3 drive.py OUT_DIR PROGRAM_PID      (run.sh starts everything first)

FLAT_REVIEW=late leaves out the flat reviews before the result page. A flat review reads
the state of every page of a page stack; Orca's AT-SPI cache then keeps each page that was
hidden at that moment "not visible" for good (Qt 5 reports only "showing" when it is shown
later), so flat review no longer reaches any later page. The default session reads the
reading page first, as a learner must; "late" shows the best case for the result page.

Orca's desktop keyboard layout: KP_Add say all, KP_Enter where am I, Insert+KP_Enter
window title, KP_Subtract flat review on/off, Insert+KP_Home its top line,
KP_Page_Up its next line.
"""
import ctypes
import os
import subprocess
import sys
import time

out, program = sys.argv[1], int(sys.argv[2])
late = os.environ.get("FLAT_REVIEW") == "late"
speech_file = os.path.join(out, "speech.txt")
speechd_log = os.path.join(out, "speech-dispatcher.log")
transcript = []
# Orca's echo of the keys pressed; Orca 48 and 51 echo Insert too, Orca 51 the keypad's + and -.
KEY_ECHO = {"tab", "space", "return", "enter", "left shift", "left alt", "plus", "dash", "insert",
            "+", "-"}


def spoken_since(offset, quiet=0.8, longest=8.0):
    """Waits until nothing new has been spoken for `quiet` s; returns the lines after offset,
    each with the time it was handed to the synthesiser: [(time, "[fr] text"), ...]."""
    began = last_change = time.time()
    seen = os.path.getsize(speech_file)
    while time.time() - began < longest and time.time() - last_change < quiet:
        time.sleep(0.05)
        if os.path.getsize(speech_file) != seen:
            seen, last_change = os.path.getsize(speech_file), time.time()
    with open(speech_file, "rb") as f:
        f.seek(offset)
        lines = f.read().decode("utf-8", "replace").splitlines()
    said = []
    for line in lines:   # "TIME [fr] text"; a text with a line break goes on without a time
        stamp, _, text = line.partition(" ")
        try:
            said.append((float(stamp), text))
        except ValueError:
            if said:
                said[-1] = (said[-1][0], said[-1][1] + " " + line)
    # Orca 43 and 48 echo a key's name with a space after it; Orca 51 without one.
    return [(when, text) for when, text in said if spoken(text) not in KEY_ECHO]


def stops(since):
    """The times, after `since`, at which Orca had speech-dispatcher stop what it was saying."""
    found = []
    try:
        with open(speechd_log, encoding="utf-8", errors="replace") as f:
            for line in f:
                if "DATA:|CANCEL" not in line and "DATA:|STOP" not in line:
                    continue
                # [Tue Dec  8 16:06:42 2026 : 201946] speechd: ... 16:DATA:|CANCEL self
                stamp = line[1:line.index("]")]
                second, micro = stamp.rsplit(" : ", 1)
                when = time.mktime(time.strptime(second, "%a %b %d %H:%M:%S %Y")) + int(micro) / 1e6
                if when > since:
                    found.append(when)
    except (OSError, ValueError):
        pass
    return found


def cut(said, since):
    """Each line, marked where Orca stopped it before a voice at 15 characters a second could
    have said it whole: the file module speaks at once, a listener would hear the line cut."""
    halts = stops(since)
    marked = []
    for when, text in said:
        length = len(spoken(text)) / 15
        halt = next((h for h in halts if when < h < when + length), None)
        if halt is not None:
            text += f"   [cut after {halt - when:.1f} s of some {length:.0f} s]"
        marked.append(text)
    return marked


def spoken(line):
    """A line of speech without the language it was spoken in ("[fr] tab " -> "tab")."""
    if line.startswith("[") and "] " in line:
        line = line.split("] ", 1)[1]
    return line.strip()


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


_x11 = ctypes.CDLL("libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XStringToKeysym.restype = ctypes.c_ulong
_x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_display = _x11.XOpenDisplay(None)


def press(name):
    """Presses a key or a chord ("Insert+KP_Home") as fingers do, the last key released first.

    xdotool's own chords release the keys in the order they were pressed, the modifier first;
    Orca 51 then takes the next flat review key for a new start and reviews from the focus.
    Keypad keys go by keycode: by name, xdotool may add a modifier it takes the key to need
    (with Debian testing's keyboard description, Alt with KP_Add and KP_Subtract, which Orca 51
    then does not take for say all or flat review); a keycode is sent as it is."""
    keys = [keycode(part) for part in name.split("+")]
    steps = [["keydown", k] for k in keys] + [["keyup", k] for k in reversed(keys)]
    xdotool(*[word for step in steps for word in step])


def keycode(part):
    if not part.startswith("KP_"):
        return part
    code = _x11.XKeysymToKeycode(_display, _x11.XStringToKeysym(part.encode()))
    return str(code) if code else part


def key(name, what="", quiet=0.8):
    """Presses one key (xdotool syntax: Tab, space, Insert+KP_Home); returns what was said."""
    offset = os.path.getsize(speech_file)
    pressed = time.time()
    press(name)
    said = spoken_since(offset, quiet)
    transcript.append(name + (f"  ({what})" if what else ""))
    transcript.extend(f"    > {line}" for line in cut(said, pressed))
    if not said:
        transcript.append("    (silence)")
    return [text for _, text in said]


def tab_until(word, limit=25):
    """Tab, as a listener would, until Orca says something containing `word`."""
    for _ in range(limit):
        if any(word in line for line in key("Tab")):
            return
    transcript.append(f"    !! never heard {word!r} after {limit} Tabs")


def section(title):
    transcript.append(f"\n== {title}")


def flat_review(lines, where):
    """Orca's flat review from the top of the window, line by line."""
    key("KP_Subtract", f"flat review on, {where}")
    key("Insert+KP_Home", "flat review: top line")
    for _ in range(lines):
        key("KP_Page_Up", "flat review: next line", quiet=0.5)
    key("KP_Subtract", "flat review off")


def run_session():
    section("Start")
    window = xdotool("search", "--sync", "--onlyvisible", "--pid", str(program))[0]
    xdotool("windowfocus", "--sync", window)
    said = [text for _, text in spoken_since(0, quiet=2.0)]
    transcript.append("(window shown and given focus)")
    transcript.extend(f"    > {line}" for line in said)
    if len(said) < 2:
        sys.exit("Orca said nothing about the window: is the program on the accessibility bus?")

    section("Reading page")
    key("KP_Add", "Orca: say all", quiet=1.5)
    key("Insert+KP_Enter", "Orca: window title")
    if not late:
        flat_review(7, "reading page")
    key("Tab")
    key("space", "press Next", quiet=1.5)

    section("Exercise I: Q1 a) (right), Q2 b) (right), Q3 a) (wrong), Q4 and Q5 left open")
    key("Tab")
    key("space", "check")
    key("Tab")
    key("Down", "next option")
    key("space", "check")
    key("Tab")
    key("space", "check")
    key("KP_Enter", "Orca: where am I")
    tab_until("Далі")
    key("space", "press Next", quiet=1.5)

    section("Exercise II: list 1 -> b) (right), list 2 -> c) (wrong), by arrows on the closed list")
    key("Tab")
    key("Down")
    key("Down")
    key("KP_Enter", "Orca: where am I")
    key("Tab")
    key("Down")
    key("Down")
    key("Down")
    key("Shift+Tab", "back to list 1")
    if not late:
        flat_review(4, "exercise II")
    tab_until("Далі")
    key("space", "press Next", quiet=1.5)

    section("Exercise III: list 1 opened with space, then Down, Down, Return")
    key("Tab")
    key("space", "open the list")
    key("Down")
    key("Down")
    key("Return", "choose")
    key("Tab")
    key("Shift+Tab", "back to list 1")
    tab_until("Далі")
    key("space", "press Next", quiet=1.5)

    for numeral in ("IV", "V"):
        section(f"Exercise {numeral}: Tab through, no answer")
        tab_until("Далі")
        key("space", "press Next", quiet=1.5)

    section("Exercise VI: Tab through, then Finish")
    tab_until("Завершити")
    key("space", "press Finish", quiet=2.0)

    section("Result page")
    key("KP_Enter", "Orca: where am I")
    flat_review(14 if late else 6, "result page, review tab 1")
    tab_until("page tab")
    for _ in range(3):
        key("Tab", "into review tab 1")
    tab_until("page tab")
    key("Right", "next review tab")
    for _ in range(3):
        key("Tab", "into review tab 2")
    flat_review(5, "review tab 2")
    tab_until("page tab")
    for _ in range(4):
        key("Right", "next review tab")
    tab_until("Закрити")
    key("space", "press Close")

    for _ in range(50):
        if not os.path.exists(f"/proc/{program}"):
            transcript.append("(program exited)")
            return
        time.sleep(0.1)
    transcript.append("!! program still running after Close")


started = time.time()
try:
    run_session()
finally:
    transcript.append(f"\n({time.time() - started:.0f} s of driving)")
    with open(os.path.join(out, "transcript.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(transcript) + "\n")
