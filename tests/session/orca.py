"""The screen reader Orca in a session of run-session.sh, and what it says: every check of a
session reads Orca's debug output, which holds a SPEECH OUTPUT line for every utterance, and
the keys go to the focused window, as a user's do."""
import os
import pty
import re
import subprocess
import sys
import threading
import time

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*\{'established'", re.S)
STEP_TIMEOUT = 20  # seconds for Orca to say one thing
# Orca's word for a button's role: "push button" in Orca 43, "button" in later versions; a
# window's is "frame" in Orca 43, and later versions say none.
BUTTON = r"(push )?button"
FRAME = r"( frame|$)"

heard = []  # every utterance so far
checked = 0  # utterances before this one are accounted for
debug_output = []  # what Orca wrote to its debug file
watched = None  # the program under test: its end fails the session
reports = []  # what else a failed session shows: functions returning text


def start(speech_language=None):
    """Starts Orca and waits until it has said that it is on; with a language ("de"), Orca speaks
    in that language's voice, which it takes from its locale, and still words its own messages
    in English."""
    environment = dict(os.environ)
    if speech_language:
        environment.update(LANG="%s_%s.UTF-8" % (speech_language, speech_language.upper()), LANGUAGE="en", LC_ALL="")
    # Orca buffers its debug file unless it is a terminal: it gets one, and every line arrives
    # as it is written.
    terminal, orca_terminal = pty.openpty()
    subprocess.Popen(["orca", "--debug-file=" + os.ttyname(orca_terminal), "-u",
                      os.path.join(os.environ["DUELMARK_SESSION"], "orca")],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=environment)

    def read_debug_output():
        while True:
            try:
                chunk = os.read(terminal, 65536)
            except OSError:
                return
            if not chunk:
                return
            debug_output.append(chunk.decode("utf-8", "replace").replace("\r", ""))

    threading.Thread(target=read_debug_output, daemon=True).start()
    hear(r"^Screen reader on\.$", 60)


def fail(message):
    print("FAILED: " + message, file=sys.stderr)
    print("Orca said (the last check marked with >):", file=sys.stderr)
    listen()
    for index, line in enumerate(heard):
        print(("> " if index + 1 == checked else "  ") + line, file=sys.stderr)
    for report in reports:
        print(report(), file=sys.stderr)
    sys.exit(1)


def until(what, condition, seconds=STEP_TIMEOUT):
    """Waits until the condition holds (returns something true), which is returned."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    fail("not within %d s: %s" % (seconds, what))


def verdict(checks):
    """Fails the session on each check that does not hold, naming it and what was found instead:
    the checks are (what should hold, whether it does, what was found)."""
    failed = ["%s; instead: %s" % (what, found) for what, holds, found in checks if not holds]
    if failed:
        fail("\n  ".join([""] + failed))


def listen():
    heard[:] = [m.group(1) for m in SPEECH.finditer("".join(debug_output))]


def hear(pattern, seconds=STEP_TIMEOUT):
    """Waits until Orca says something matching the pattern; returns what it said. Orca 43 says
    a control's name, role and state as one utterance, later versions as a few in a row, so the
    pattern is also tried on an utterance joined with the next ones."""
    global checked
    wanted = re.compile(pattern)
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        listen()
        for index in range(checked, len(heard)):
            for joined in range(index + 1, min(index + 4, len(heard)) + 1):
                said = " ".join(heard[index:joined])
                if wanted.search(said):
                    checked = joined
                    return said
        if watched and watched.poll() is not None:
            fail("the program ended with exit code %d while Orca was to say /%s/" % (watched.returncode, pattern))
        time.sleep(0.1)
    fail("Orca did not say /%s/" % pattern)


def said_since(mark):
    """Everything Orca said since the mark (a count of utterances)."""
    listen()
    return heard[mark:]


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.15)


def walk(key, *names):
    """Presses the key once for each name, hearing the name each time; BUTTON stands for the
    button role's word."""
    for name in names:
        keys(key)
        hear("^" + re.escape(name).replace("BUTTON", BUTTON))


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


def unselected_after_tab():
    """How often Orca said "Text unselected." while Tab (or Shift+Tab) was the last key it echoed:
    as the focus left a box, rather than as typing replaced a selected text."""
    listen()
    last_key, count = None, 0
    for line in heard:
        if line.endswith(" "):  # Orca echoes each key pressed with a blank after it
            last_key = line.strip()
        elif "Text unselected" in line and last_key in ("tab", "left shift"):
            count += 1
    return count


def print_heard():
    listen()
    print("Orca said:")
    for line in heard:
        print("  " + line)
