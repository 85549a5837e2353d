"""A blind user's battle with Duelmark on the desktop in German, checked by what the screen reader
Orca says with espeak-ng's German voice: the window's names, the move messages and the report,
each as the German catalogue words it (read here by Python's own reader of compiled catalogues).

Usage (through run-session.sh, with DUELMARK_SPEECH_LANGUAGE=de): german_session.py PROGRAM
"""
import gettext
import os
import re
import subprocess
import sys

import orca
from orca import BUTTON, FRAME, STEP_TIMEOUT, hear, keys, walk

BATTLE_TIMEOUT = 90
program = sys.argv[1]
catalogue = os.path.join(os.path.dirname(os.path.dirname(os.path.realpath(program))), "share", "locale")
german = gettext.translation("duelmark", catalogue, languages=["de"])
_, N_ = german.gettext, german.ngettext


def pattern(text, **values):
    """The catalogue's text as a pattern, each placeholder standing for its value's pattern."""
    return re.sub(r"\\\{(\w+)\\\}", lambda name: values.get(name.group(1), ".+?"), re.escape(text))


orca.start("de")
app = subprocess.Popen([program], stderr=subprocess.DEVNULL,
                       env=dict(os.environ, LANGUAGE="de", LANG="de_DE.UTF-8", LC_ALL=""))
orca.watched = app

# The settings window, and back from its first box to Start Battle.
hear("^" + re.escape(_("Battle Settings")) + FRAME)
walk("shift+Tab", _("Help") + " BUTTON", _("Defaults") + " BUTTON")
keys("shift+Tab")
hear("^" + pattern(_("{name} ({lowest}-{highest})"), name=re.escape(_("Number of Enemies"))))
walk("shift+Tab", _("Start Battle") + " BUTTON")
keys("space")

hear("^" + re.escape(_("Kelmar: Tarrin's Adventure")) + FRAME)
hear("^" + re.escape(_("Press this button to start the simulator.")) + " " + BUTTON)
keys("Return")
enemy = pattern(_("Enemy {number}"), number=r"\d")
moves = [pattern(_(text), enemy=enemy, health=r"\d+") for text in
         ["The Hero attacked {enemy}.", "The Hero used Magic on {enemy}.", "{enemy} attacked Hero.",
          "{enemy} used Suicide on Hero.", "Hero gained {health} using Cure."]]
over = re.escape(_("The Battle is Over.")) + " " + pattern(N_("End in {seconds} seconds.", "End in {seconds} seconds.", 5),
                                                           seconds="5")
count = 0
while True:
    said = hear(r"^(notification )?(%s|%s)" % ("|".join(moves), over), BATTLE_TIMEOUT).removeprefix("notification ")
    if re.match(over, said):
        break
    count += 1

counted = pattern(N_("Total moves = {count}", "Total moves = {count}", count), count=str(count))
outcome = "(%s|%s)" % (re.escape(_("The Hero has defeated all Enemies.")), re.escape(_("The Enemies have defeated the Hero.")))
hear("^%s( dialog)? %s %s" % (re.escape(_("End of Battle")), outcome, counted), BATTLE_TIMEOUT)
keys("Escape")
try:
    app.wait(timeout=STEP_TIMEOUT)
except subprocess.TimeoutExpired:
    orca.fail("the program did not end when the report was closed")
# The language that Orca asked speech-dispatcher to speak each utterance in.
voices = set(re.findall(r"SD rate .*? language (\S+)", "".join(orca.debug_output)))
orca.verdict([("a move heard", count > 0, "none"),
              ("every utterance spoken in German", voices and all(voice.startswith("de") for voice in voices),
               sorted(voices))])
print("%d moves heard in German, spoken in %s." % (count, ", ".join(sorted(voices))))
orca.print_heard()
