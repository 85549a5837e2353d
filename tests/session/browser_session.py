"""A blind user's whole session with the web edition in a browser, checked by what the screen
reader Orca says: the path of the desktop session, a refusal, its OK, the list, a whole battle,
the report and the end, with the keyboard alone. Each browser is a row of the table below.

Usage (through run-session.sh): browser_session.py BROWSER SITE_FOLDER
"""
import functools
import http.server
import os
import re
import subprocess
import sys
import threading

import orca
from orca import BUTTON, fail, hear, keys, type_text, walk

BATTLE_TIMEOUT = 60
browser, site = sys.argv[1], sys.argv[2]
session = os.environ["DUELMARK_SESSION"]
profile = os.path.join(session, "profile")
os.makedirs(profile)


def firefox_profile():
    # Console lines to stdout, and no first-run pages: not even a home page in a tab of its own,
    # which, loaded after the page, takes the focus from it.
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        for name, value in [("devtools.console.stdout.content", "true"), ("browser.aboutwelcome.enabled", "false"),
                            ("browser.shell.checkDefaultBrowser", "false"), ("datareporting.policy.dataSubmissionEnabled", "false"),
                            ("browser.startup.homepage_override.mstone", '"ignore"'), ("app.update.disabledForTesting", "true"),
                            ("browser.startup.page", "0"), ("browser.startup.homepage", '"about:blank"'),
                            ("startup.homepage_welcome_url", '""'), ("startup.homepage_welcome_url.additional", '""'),
                            ("browser.startup.firstrunSkipsHomepage", "true"), ("datareporting.policy.firstRunURL", '""')]:
            prefs.write("user_pref(%r, %s);\n" % (name, value))


# How each browser is started so that Orca reads its pages and its console reaches stdout or stderr.
BROWSERS = {
    "chromium": (lambda: None, ["chromium", "--no-sandbox", "--force-renderer-accessibility", "--no-first-run",
                                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                                "--enable-logging=stderr", "--v=0", "--user-data-dir=" + profile, "--start-maximized"]),
    "firefox-esr": (firefox_profile, ["firefox-esr", "--no-remote", "--profile", profile]),
}

server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(
    type("QuietHandler", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *_: None}), directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()

orca.start()
prepare, command = BROWSERS[browser]
prepare()
console = open(os.path.join(session, "console"), "w+")
app = subprocess.Popen(command + ["http://127.0.0.1:%d/?trace" % server.server_address[1]],
                       stdout=console, stderr=subprocess.STDOUT)
orca.watched = app


def console_lines():
    console.seek(0)
    return "The browser wrote:\n" + "".join(line for line in console if "dbus" not in line)[-3000:]


orca.reports.append(console_lines)

# The settings window opens on Hero Magic Def.; every box is heard by its name and whole value.
hear(r"^Hero Magic Def\. (entry|text)", 60)
for name in ["Hero Magic", "Hero Attack", "Hero Defence", "Hero Health", "Enemy Health"]:
    walk("Tab", name)
# Enemies of 1 hit point, for a short battle; a text that is not a number in the last box.
type_text("1")
walk("Tab", "Enemy Attack", "Enemy Defence", "Enemy Suicide Attack", "Enemy Magic Def.")
type_text("x")
walk("Tab", "Exit BUTTON", "Start Battle BUTTON")
mark = len(orca.heard)
keys("Return")
refusal = (r'Enemy "Magic Def\." must be a number from -32768 to 32767\.\s+A fraction, written with "\.", '
           r"is rounded to the nearest whole number\.")
hear(refusal)
keys("Return")
hear(r"^(Enemy Stats panel\. )?Enemy Magic Def\..*\bx selected")
refusals_heard = sum(line.count("must be a number") for line in orca.said_since(mark))

# The list, named, chooses with the arrow keys also after the refusal.
type_text("5")
walk("Tab", "Exit BUTTON", "Start Battle BUTTON")
keys("Tab")
hear(r"Number of Enemies \(1-5\)")
choices = 0
for key, count in [("Down", 2), ("Down", 3), ("Up", 2)]:
    keys(key)
    hear(r"^%d\b" % count)
    choices += 1
walk("shift+Tab", "Start Battle BUTTON")
keys("space")

# The battle window says its name as it opens, then its Start button.
hear(r"Kelmar: Tarrin's Adventure")
hear(r"Press this button to start the simulator\. " + BUTTON)
keys("Return")
moves = []
while True:
    # The page's live region: Orca says its words alone.
    said = hear(r"^(The Battle is Over\. End in 5 seconds\.$|The Hero |Enemy \d )", BATTLE_TIMEOUT)
    if said == "The Battle is Over. End in 5 seconds.":
        break
    moves.append(said)

# The report, once and in full, as it opens; Escape closes it and ends the program.
mark = len(orca.heard)
report = hear(r"End of Battle.*Total moves = %d Hero moves = \d+ Enemy moves = \d+" % len(moves), BATTLE_TIMEOUT)
keys("Escape")
hear(r"^Duelmark has ended\.")
hear(r"^Start again " + BUTTON)
after_report = orca.said_since(mark)
reports_heard = sum("Total moves" in line for line in after_report)
ended_heard = sum("Duelmark has ended." in line for line in after_report)

# The console has the whole trace, the program's end its last line, before it is read.
def console_text():
    console.seek(0)
    return console.read()


trace = orca.until("the trace's end in the browser's console", lambda: re.search(r"\b\d+\.\d{3} End\b", console_text()) and console_text())
shown = [text for text in re.findall(r'frmBattle\.lblInfo\.Caption=\\?"(.*?)\\?"', trace)
         if not text.startswith("The Battle is Over.")]
# Each move's message, wherever it was heard: in its announcement, or in a reading of the window.
times_heard = {text: sum(line.count(text) for line in orca.heard) for text in shown}
unselected = orca.unselected_after_tab()
breaches = [line for line in trace.splitlines() if "Content-Security-Policy:" in line]
print("Refusal heard %d time(s); %d list choices; %d of %d moves heard once; report heard %d time(s); end heard %d "
      "time(s); \"Text unselected.\" heard %d time(s)." % (refusals_heard, choices, list(times_heard.values()).count(1),
                                                           len(shown), reports_heard, ended_heard, unselected))
orca.print_heard()
# In Firefox, Orca itself says it: its web script looks again at the box that held the last
# selection whenever a selection changes (Tab selects the next box's text), and Firefox shows
# that box's selection as gone once the focus has left it.
orca.verdict([
    ("the refusal heard once", refusals_heard == 1, "heard %d times" % refusals_heard),
    ("the moves announced are the moves shown", len(moves) == len(shown), "announced %r, shown %r" % (moves, shown)),
    ("each move heard once", all(count == 1 for count in times_heard.values()),
     {text: count for text, count in times_heard.items() if count != 1}),
    ("the report heard once", reports_heard == 1, "heard %d times" % reports_heard),
    ("the end heard once", ended_heard == 1, "heard %d times" % ended_heard),
    ('no "Text unselected." as the focus left a box', not unselected or browser == "firefox-esr",
     "heard %d times" % unselected),
    ("no breach of the page's Content-Security-Policy", not breaches, breaches),
])
