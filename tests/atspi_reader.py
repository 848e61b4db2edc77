"""The program as a screen reader gets it over the desktop's accessibility bus (AT-SPI):
one session by keyboard alone, with what the reader is told checked after each step.

    /usr/bin/python3 atspi_reader.py PROGRAM_PID      (atspi_reader.sh starts everything)

The session runs inside the bus client's own event loop, as a screen reader does; there
the client keeps what it learnt of each object. It first looks at the whole window while
the exercise and result pages are hidden; the result must still be seen after Finish.
"""
import os
import sys

import pyatspi
from gi.repository import GLib
from Xlib import XK, X, display
from Xlib.ext import xtest

pid = int(sys.argv[1])
xserver = display.Display()
notices, focus, failures = [], [], []
frame = None


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def on_event(event):
    try:
        if not event.detail1:
            return
        if event.type.startswith("object:state-changed:focused"):
            focus.append(event.source)
        elif event.type.startswith("object:state-changed:showing") \
                and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            notices.append((event.source.name, event.source.description))
        elif event.type.startswith("object:announcement"):
            notices.append(str(event.any_data))   # from Qt 6.8: one text, no object
    except GLib.Error:
        pass   # an object gone before its event was read: a page's objects are renewed as shown


# The session's steps are generators: each yield waits that many seconds in the event loop.
def wait(seconds):
    yield seconds


# The waits are long for a loaded machine: a condition met ends its wait at once.
def until(condition, seconds=20.0):
    for _ in range(int(seconds / 0.05)):
        if condition():
            return True
        yield 0.05
    return condition()


def key(name, shift=False):
    """One key pressed and released on the X server, as the keyboard would."""
    code = xserver.keysym_to_keycode(XK.string_to_keysym(name))
    shift_code = xserver.keysym_to_keycode(XK.XK_Shift_L)
    if shift:
        xtest.fake_input(xserver, X.KeyPress, shift_code)
    xtest.fake_input(xserver, X.KeyPress, code)
    xtest.fake_input(xserver, X.KeyRelease, code)
    if shift:
        xtest.fake_input(xserver, X.KeyRelease, shift_code)
    xserver.sync()
    yield 0.3


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def ancestors(node):
    up = node.parent
    while up is not None and up.getRole() != pyatspi.ROLE_APPLICATION:
        yield up
        up = up.parent


def seen(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def seen_names():
    """A reader's review of the window: what is showing and visible, name and description."""
    return {node.name: node.description for node in walk(frame) if seen(node)}


def focused_name():
    return focus[-1].name if focus else ""


def tab_to(name):
    for _ in range(30):
        if focused_name() == name:
            return True
        yield from key("Tab")
    return focused_name() == name


def press_and_hear(message, details):
    """Space on the focused button; the reader must be told message and details, once."""
    before, pressed = len(notices), focused_name()
    yield from key("space")
    yield from until(lambda: len(notices) > before)
    # A notification object carries the two apart; the toolkit's announcement says them as one.
    said = message + (" " if message[-1] in ".!?:" else ". ") + details
    check(notices[before:] in ([(message, details)], [said]),
          f"after {pressed!r} expected {(message, details)}, heard {notices[before:]}")


def find_frame():
    global frame
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            frame = next((w for w in app if w and "TEST № 8" in w.name), None)
    return frame is not None


def give_keyboard_focus():
    """The keyboard to the program's window, as a window manager gives it (there is none)."""
    pid_atom = xserver.intern_atom("_NET_WM_PID")
    for window in xserver.screen().root.query_tree().children:
        owner = window.get_full_property(pid_atom, X.AnyPropertyType)
        if owner and owner.value[0] == pid and window.get_attributes().map_state == X.IsViewable:
            window.set_input_focus(X.RevertToParent, X.CurrentTime)
            xserver.sync()
            return True
    return False


def ended():
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().split(") ")[1][0] == "Z"
    except OSError:
        return True


def session():
    if not (yield from until(find_frame, 20)):
        check(False, "the program's window never reached the accessibility bus")
        return
    check((yield from until(give_keyboard_focus, 10)), "the program's window was never mapped")
    if not (yield from until(lambda: focused_name() == "Далі", 30)):
        check(False, f"the focus is on {focused_name()!r} at the start, not on Далі")
        return
    # A first look at everything, hidden pages included, as a reader's review does.
    hidden = sum(1 for node in walk(frame) if not seen(node))
    check(hidden > 100, f"only {hidden} hidden objects at the start")

    yield from press_and_hear("LECTURE, 5 x 2 = 10",
                              "Complétez les phrases en vous servant du texte:")
    panels = {node.name: node for node in walk(frame) if node.getRole() == pyatspi.ROLE_PANEL}
    question = panels.get("5. La surdose à l'héroïne provoque ...")
    check(question is not None and question.childCount == 1, "question 5 is not one panel")
    if question is not None:
        check(question[0].name != question.name, "question 5's options carry its title")

    yield from press_and_hear("VOCABULAIRE, 5 x 2 = 10", "II. Écrivez vis-à-vis des mots et "
                              "expressions français leurs équivalents ukrainiens:")
    yield from key("Tab")
    layers = [up for up in ancestors(focus[-1]) if up.getRole() == pyatspi.ROLE_LAYERED_PANE]
    check(not layers, f"entering exercise II the reader passes {len(layers)} layered pane(s)")
    yield from key("Down")
    yield from key("Down")
    # Flat review reads what is shown: the item once, in its list's name, not in its label too.
    shown = [node.name for node in walk(frame) if seen(node) and node.name]
    item = "1) centraliser les renseignements"
    check(shown.count(item + ": b) збирати відомості") == 1 and item not in shown,
          f"exercise II shows item 1 as {[name for name in shown if item in name]}")
    check((yield from tab_to("Далі")), "Tab never reached Далі on exercise II")
    for _ in range(3):
        yield from key("space")
    yield from press_and_hear("GRAMMAIRE, 5 x 2 = 10", "VI. Complétez les phrases par les "
                              "formes impersonnelles du verbe suivantes:")
    check((yield from tab_to("Завершити")), "Tab never reached Завершити")
    yield from press_and_hear("Nombre de points: 2, Votre note: Mal!",
                              "RÉSULTAT, Au total: 70 points")
    check(focus[-1].getRole() == pyatspi.ROLE_PAGE_TAB_LIST,
          f"after Finish the focus is on {focus[-1].name!r}, not on the review")
    yield from key("space")
    yield from wait(0.5)
    check(not ended(), "a second Space ended the program")

    # The result page, hidden at the first look, is seen now, with what each answer says.
    shown = seen_names()
    check("Nombre de points:" in shown and "Mal!" in shown, "the score line is not seen")
    first = "1. L'héroïne est ...: Відповіді нема. Неправильна відповідь"
    check(shown.get(first) == "", "review tab 1 is not seen with its verdict told once")
    # Flat review reads the answer once, whole: neither its item nor its text on their own.
    lines = [node.name for node in walk(frame) if seen(node) and node.name]
    parts = ("1. L'héroïne est ...", "Відповіді нема")
    check(lines.count(first) == 1 and not any(part in lines for part in parts),
          f"review tab 1 shows answer 1 as {[n for n in lines if n.startswith(parts)]}")
    yield from key("Tab")
    check(focused_name() == first, f"Tab from the review reached {focused_name()!r}")
    yield from key("Tab", shift=True)
    yield from key("Right")
    right = "1) centraliser les renseignements: b) збирати відомості. Правильна відповідь"
    check(seen_names().get(right) == "",
          "review tab 2 is not seen with its right answer")

    check((yield from tab_to("Закрити")), "Tab never reached Закрити")
    yield from key("space")
    check((yield from until(ended)), "Space on Закрити did not end the program")


def step(steps):
    try:
        GLib.timeout_add(int(next(steps) * 1000), step, steps)
    except StopIteration:
        pyatspi.Registry.stop()
    except Exception as error:
        check(False, f"the session broke off: {error!r}")
        pyatspi.Registry.stop()
    return False


# As a screen reader, it also listens for changed names, so the client's copies are renewed.
for kind in ("object:", "window:", "focus:"):
    pyatspi.Registry.registerEventListener(on_event, kind)
GLib.idle_add(step, session())
pyatspi.Registry.start()
if failures:
    sys.exit(f"{len(failures)} check(s) failed")
print("PASS: announcements, names, focus after Finish and the review heard over AT-SPI")
os._exit(0)
