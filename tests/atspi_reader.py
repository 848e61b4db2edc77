"""The program as a screen reader gets it over the desktop's accessibility bus (AT-SPI):
one session by keyboard alone, with what the reader is told checked after each step.

    /usr/bin/python3 atspi_reader.py PROGRAM_PID      (atspi_reader.sh starts everything)

Like a reader, it first looks at the whole window while the exercise and result pages are
hidden, so the bus client keeps what it learnt about them then; the result page must still
show up as visible once Finish has been pressed.
"""
import os
import sys
import time

import pyatspi
from gi.repository import GLib
from Xlib import XK, X, display
from Xlib.ext import xtest

pid = int(sys.argv[1])
notices, focus = [], []
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def on_event(event):
    try:
        note(event)
    except GLib.Error:
        pass   # an object gone before its event was read: a page's objects are renewed as shown


def note(event):
    if event.type.startswith("object:state-changed:showing") and event.detail1:
        if event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            notices.append((event.source.name, event.source.description))
    elif event.type.startswith("object:state-changed:focused") and event.detail1:
        focus.append(event.source)


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def until(condition, seconds=5.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        pump(0.05)
    return condition()


xserver = display.Display()


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
    pump(0.3)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def seen(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def focused_name():
    return focus[-1].name if focus else ""


def tab_to(name):
    for _ in range(30):
        if focused_name() == name:
            return True
        key("Tab")
    return focused_name() == name


def press_and_hear(message, details):
    """Space on the focused button; the reader must be told message and details, once."""
    before = len(notices)
    key("space")
    until(lambda: len(notices) > before)
    check(notices[before:] == [(message, details)],
          f"after {focused_name()!r} expected {(message, details)}, heard {notices[before:]}")


for kind in ("object:state-changed:showing", "object:state-changed:focused"):
    pyatspi.Registry.registerEventListener(on_event, kind)

desktop = pyatspi.Registry.getDesktop(0)
frame = None


def find_frame():
    global frame
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            frame = next((w for w in app if w and "TEST № 8" in w.name), None)
    return frame is not None


if not until(find_frame, 20):
    sys.exit("FAIL: the program's window never reached the accessibility bus")


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


check(until(give_keyboard_focus, 10), "the program's window was never mapped")
until(lambda: focused_name() == "Далі", 10)

# A first look at everything, hidden pages included, as a reader's review of the window does.
hidden_before = sum(1 for node in walk(frame) if not seen(node))
check(hidden_before > 100, f"only {hidden_before} hidden objects at the start")

press_and_hear("LECTURE, 5 x 2 = 10", "Complétez les phrases en vous servant du texte:")
questions = {node.name: node for node in walk(frame) if node.getRole() == pyatspi.ROLE_PANEL}
question = questions.get("5. La surdose à l'héroïne provoque ...")
check(question is not None and question.childCount == 1, "question 5 is not one panel")
if question is not None:
    check(question[0].name != question.name, "question 5's options carry its title")

press_and_hear("VOCABULAIRE, 5 x 2 = 10", "II. Écrivez vis-à-vis des mots et expressions "
               "français leurs équivalents ukrainiens:")
key("Tab")
check(focused_name() == "1) centraliser les renseignements", f"first list: {focused_name()!r}")
key("Down")
key("Down")
check(focus[-1].name == "1) centraliser les renseignements: b) збирати відомості",
      f"list after a choice: {focus[-1].name!r}")
check(notices[-1][0] == "b) збирати відомості", f"Down on a closed list said {notices[-1]}")

check(tab_to("Далі"), "Tab never reached Далі on exercise II")
for _ in range(3):
    key("space")
check(tab_to("Далі"), "Tab never reached Далі on exercise V")
press_and_hear("GRAMMAIRE, 5 x 2 = 10",
               "VI. Complétez les phrases par les formes impersonnelles du verbe suivantes:")
check(tab_to("Завершити"), "Tab never reached Завершити")
press_and_hear("Nombre de points: 2, Votre note: Mal!", "RÉSULTAT, Au total: 70 points")
check(focus[-1].getRole() == pyatspi.ROLE_PAGE_TAB_LIST,
      f"after Finish the focus is on {focus[-1].name!r}, not on the review")
key("space")
pump(0.5)
check(frame.getState().contains(pyatspi.STATE_SHOWING), "a second Space ended the program")

# The result page, hidden at the first look, is now seen, with what each answer says.
shown = {node.name: node for node in walk(frame) if seen(node)}
check("Nombre de points:" in shown and "Mal!" in shown, "the score line is not seen")
first = shown.get("1. L'héroïne est ...: Відповіді нема. Неправильна відповідь")
check(first is not None and first.description == "Неправильна відповідь",
      "the first answer of the review is not seen with its verdict")
key("Tab")
check(focused_name() == "1. L'héroïne est ...: Відповіді нема. Неправильна відповідь",
      f"Tab reached {focused_name()!r}")
key("Tab", shift=True)
key("Right")
pump(0.3)
second_tab = {node.name: node for node in walk(frame) if seen(node)}
right = second_tab.get(
    "1) centraliser les renseignements: b) збирати відомості. Правильна відповідь")
check(right is not None and right.description == "Правильна відповідь",
      "review tab 2 is not seen with its right answer")

check(tab_to("Закрити"), "Tab never reached Закрити")
key("space")
check(until(lambda: not os.path.exists(f"/proc/{pid}/cmdline") or
            open(f"/proc/{pid}/stat").read().split(") ")[1][0] == "Z", 5),
      "Space on Закрити did not end the program")

if failures:
    sys.exit(f"{len(failures)} check(s) failed")
print("PASS: announcements, names, focus after Finish and the review heard over AT-SPI")
