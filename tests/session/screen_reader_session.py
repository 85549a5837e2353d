"""Runs Duelmark as a screen reader user would: everything through the accessibility bus.

Usage: screen_reader_session.py PROGRAM
It types into the settings window by the boxes' names, presses buttons by their actions,
listens to what the battle window announces, reads the report and closes it with Escape.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP_TIMEOUT = 15  # seconds for any one thing to appear
BATTLE_TIMEOUT = 60

heard = []  # (role, name) of every announced change, in order


def fail(message):
    print("FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def pump(seconds, until=lambda: False):
    """Runs the event loop, so that events arrive, until the time is up or until() holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


def find(root, role, name=None, startswith=None):
    def matches(node):
        return (node.getRoleName() == role and (name is None or node.name == name) and
                (startswith is None or node.name.startswith(startswith)))
    try:
        return pyatspi.findDescendant(root, matches)
    except Exception:  # a window closing under the search
        return None


def wait_for(what, lookup, seconds=STEP_TIMEOUT):
    found = []
    if not pump(seconds, lambda: found.append(lookup()) or found[-1] is not None):
        fail("did not find " + what)
    return found[-1]


def application(process):
    def lookup():
        if process.poll() is not None:
            fail("the program ended early with exit code %d" % process.returncode)
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "duelmark":
                return app
        return None
    return wait_for("the program on the accessibility bus", lookup, 30)


def window(app, title):
    found = wait_for("the window " + repr(title), lambda: find(app, "filler", name=title))
    pump(0.5)
    focused = pyatspi.findDescendant(found, lambda node: node.getState().contains(pyatspi.STATE_FOCUSED))
    print("entering %r, the focus is on %s" % (title, "[%s] %r" % (focused.getRoleName(), focused.name)
                                                   if focused else "the window"))
    return found


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if "Press" not in names:
        fail("%r offers no Press action, only %s" % (node.name, names))
    actions.doAction(names.index("Press"))


def type_into(settings, name, text):
    box = wait_for("the box " + repr(name), lambda: find(settings, "text", name=name))
    box.queryEditableText().setTextContents(text)
    pump(0.3)


def on_name_changed(event):
    try:
        heard.append((event.source.getRoleName(), event.source.name))
    except Exception:
        pass


def main():
    program = sys.argv[1]
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([program], env=environment)
    try:
        app = application(process)
        settings = window(app, "Battle Settings")

        type_into(settings, "Hero Attack", "12abc")
        press(find(settings, "push button", name="Start Battle"))
        refusal = wait_for("the refusal message",
                           lambda: find(app, "label", startswith='Hero "Attack" must be a number'))
        box = refusal.parent
        print("refusal read in [%s] %r: %r" % (box.getRoleName(), box.name, refusal.name))
        press(wait_for("the message's OK button", lambda: find(box, "push button", name="OK")))
        pump(STEP_TIMEOUT, lambda: find(app, "label", startswith='Hero "Attack"') is None)

        # Two Enemies that the Hero fells with one hit each: three moves with pauses between.
        type_into(settings, "Hero Attack", "15")
        type_into(settings, "Enemy Health", "10")
        choices = wait_for("the list of Enemy counts", lambda: find(settings, "list", name="Number of Enemies (1-5)"))
        choices[1].queryAction().doAction(0)  # toggles item "2" on
        pump(0.3)
        if list(choices.queryTable().getSelectedRows()) != [1]:
            fail("choosing 2 Enemies left the rows %s selected" % list(choices.queryTable().getSelectedRows()))
        press(find(settings, "push button", name="Start Battle"))

        battle = window(app, "Kelmar: Tarrin's Adventure")
        pyatspi.Registry.registerEventListener(on_name_changed, "object:property-change:accessible-name")
        start = wait_for("the battle's Start button", lambda: find(battle, "push button",
                                                                    startswith="Press this button"))
        press(start)
        wait_for("the report window", lambda: find(app, "filler", name="End of Battle"), BATTLE_TIMEOUT)
        end = window(app, "End of Battle")
        pump(0.5)
        pyatspi.Registry.deregisterEventListener(on_name_changed, "object:property-change:accessible-name")

        messages = [name for role, name in heard if role == "label" and name.endswith(".") and
                    ("attacked" in name or "Magic" in name or "Suicide" in name or "Cure" in name)]
        countdown = [name for role, name in heard if role == "label" and name in ("1", "2", "3")]
        print("heard during the battle:")
        for role, name in heard:
            print("  [%s] %r" % (role, name))
        if not messages:
            fail("no move message was announced")
        if not countdown:
            fail("no countdown was announced")

        result = [child.name for child in end if child.getRoleName() == "label"]
        print("report read:", result)
        if not any(name in ("The Hero has defeated all Enemies.", "The Enemies have defeated the Hero.")
                   for name in result):
            fail("the report names no winner")
        if not any(name.startswith("Total moves = ") and name[len("Total moves = "):].isdigit() for name in result):
            fail("the report counts no moves")

        end.queryComponent().grabFocus()
        pyatspi.Registry.generateKeyboardEvent(0xFF1B, None, pyatspi.KEY_SYM)  # Escape
        try:
            code = process.wait(STEP_TIMEOUT)
        except subprocess.TimeoutExpired:
            fail("Escape did not close the report window")
        if code != 0:
            fail("the program ended with exit code %d" % code)
        print("the program ended with exit code 0")
    finally:
        if process.poll() is None:
            process.kill()


if __name__ == "__main__":
    main()
