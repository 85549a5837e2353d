"""A blind user's whole session with Duelmark on the desktop, checked by what the screen reader
Orca says.

Usage (through run-session.sh): desktop_session.py PROGRAM
The program is driven by the keyboard alone.
"""
import os
import re
import subprocess
import sys

import orca
from orca import BUTTON, FRAME, STEP_TIMEOUT, fail, hear, keys, type_text, walk

BATTLE_TIMEOUT = 90
program = sys.argv[1]


def cpu_seconds():
    """The program's processor time so far."""
    with open("/proc/%d/stat" % app.pid) as stat:
        return sum(int(field) for field in stat.read().rsplit(")", 1)[1].split()[11:13]) / os.sysconf("SC_CLK_TCK")


orca.start()
app = subprocess.Popen([program], stderr=subprocess.PIPE, text=True,
                       env=dict(os.environ, QT_LOGGING_RULES="duelmark.trace=true"))
orca.watched = app

# The settings window opens on Hero Magic Def.; Tab then walks the Hero's and the Enemy's boxes.
# Each box is heard by its name and its whole value.
hear(r"^Battle Settings" + FRAME)
hear(r"^Hero Magic Def\. text")
hear(r"^10")
boxes = [("Hero Magic", "20"), ("Hero Attack", "15"), ("Hero Defence", "10"), ("Hero Health", "100"),
         ("Enemy Health", "20"), ("Enemy Attack", "15"), ("Enemy Defence", "5")]
for name, value in boxes:
    keys("Tab")
    hear(r"^%s text" % re.escape(name))
    hear(r"^%s\b" % re.escape(value))

# A text that is not a number is refused at Start Battle, naming the box; OK returns to it.
type_text("five")
hear(r"^e\s*$")  # the last letter echoed
walk("Tab", "Enemy Suicide Attack text", "Enemy Magic Def. text", "Exit BUTTON", "Start Battle BUTTON")
keys("Return")
hear(r'Enemy "Defence" must be a number from -32768 to 32767\.')
keys("Return")
hear(r"^Enemy Defence text")
hear(r"^five selected")

# Weak Enemies, two of them, for a short battle.
type_text("5")
walk("shift+Tab", "Enemy Attack text", "Enemy Health text")
type_text("5")
walk("Tab", "Enemy Attack text", "Enemy Defence text", "Enemy Suicide Attack text", "Enemy Magic Def. text",
     "Exit BUTTON", "Start Battle BUTTON", "Number of Enemies (1-5)")
hear(r"^1")
keys("Down")
hear(r"^2")
keys("shift+Tab")
hear(r"^Start Battle " + BUTTON)
keys("space")

# The battle window opens on its Start button; every move is announced once, in order, with
# its result, and the closing countdown once. Targets and the Enemy's moves are drawn at random.
hear(r"^Kelmar: Tarrin's Adventure" + FRAME)
hear(r"^Press this button to start the simulator\. " + BUTTON)
cpu_at_start = cpu_seconds()
keys("Return")
move = re.compile(r"(The Hero attacked Enemy [12]\.|The Hero used Magic on Enemy [12]\.) 10 damage\. "
                  r"Enemy [12] is defeated\.$|"
                  r"(Enemy [12] attacked Hero\.) 5 damage\. Hero 95 of 100\.$|"
                  r"(Enemy [12] used Suicide on Hero\.) 20 damage\. Hero 80 of 100\.$")
moves = []
while True:
    # Orca 43 says a notification's role before its words, in one utterance or two; Orca 51
    # hears an announcement and says its words alone.
    said = hear(r"^(notification )?(The Hero |Enemy [12] |The Battle is Over\.)", BATTLE_TIMEOUT)
    said = said.removeprefix("notification ")
    if said == "The Battle is Over. End in 5 seconds.":
        break
    if not move.match(said):
        fail("a move was announced as: " + said)
    moves.append(next(group for group in move.match(said).groups() if group))

# The report is read in full as it opens (Orca 43 says its role, Orca 51 none); Escape closes
# it and the program.
hear(r"^End of Battle( dialog)? The Hero has defeated all Enemies\. Total moves = %d Hero moves = \d+ "
     r"Enemy moves = \d+\.?$" % len(moves), BATTLE_TIMEOUT)
battle_cpu = cpu_seconds() - cpu_at_start
keys("Escape")
try:
    _, trace = app.communicate(timeout=STEP_TIMEOUT)
except subprocess.TimeoutExpired:
    fail("the program did not end when the report was closed")
if app.returncode != 0:
    print("\n".join(line for line in trace.splitlines() if not re.match(r"\d+\.\d{3} ", line))[-4000:], file=sys.stderr)
    fail("the program ended with exit code %d" % app.returncode)

shown = [message for message in re.findall(r'frmBattle\.lblInfo\.Caption="(.*)"', trace)
         if not message.startswith("The Battle is Over.")]
over = sum(line.count("The Battle is Over.") for line in orca.heard)
damages = sum(line.count(" damage.") for line in orca.heard)
# Leaving a box by Tab says where the focus went, not that the box's text is no longer selected.
unselected = orca.unselected_after_tab()
orca.verdict([
    ("the moves announced are the messages shown", moves == shown, "announced %r, shown %r" % (moves, shown)),
    ("the end heard once", over == 1, "heard %d times" % over),
    ("each move's damage heard once", damages == len(moves), "%d for %d moves" % (damages, len(moves))),
    ('no "Text unselected." as the focus left a box', not unselected, "heard %d times" % unselected),
])
print("The battle took %.2f s of the program's processor time, from Start to the report." % battle_cpu)
orca.print_heard()
