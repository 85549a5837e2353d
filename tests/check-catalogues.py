#!/usr/bin/python3
"""Each translation catalogue under the given folder (every .po file in it and below): valid to
msgfmt --check, every text translated, none fuzzy, and every translation holding the same
placeholders ("{enemy}") as its source, as many times.

Usage: check-catalogues.py FOLDER"""
import collections
import pathlib
import re
import subprocess
import sys

PLACEHOLDER = re.compile(r"\{[a-z_]+\}")


def entries(path):
    """The catalogue's entries: (source texts, translations, flags), the header left out."""
    entry, field, found = None, None, []

    def close():
        if entry and entry["msgid"]:
            found.append(entry)

    for line in path.read_text(encoding="utf-8").splitlines() + [""]:
        if not line.strip():
            close()
            entry, field = None, None
            continue
        if entry is None:
            entry = {"msgid": "", "msgid_plural": None, "msgstr": {}, "flags": ""}
        if line.startswith("#,"):
            entry["flags"] += line[2:]
        elif line.startswith("#"):
            continue
        else:
            match = re.match(r'(msgid_plural|msgid|msgstr(?:\[(\d+)\])?|msgctxt)\s+"(.*)"$', line)
            if match:
                field = (match.group(1), match.group(2))
                text = match.group(3)
            else:
                text = line.strip()[1:-1]
            name, index = field
            if name in ("msgid", "msgid_plural"):
                entry[name] = (entry[name] or "") + text
            elif name.startswith("msgstr"):
                key = int(index) if index else 0
                entry["msgstr"][key] = entry["msgstr"].get(key, "") + text
    return found


problems = []
catalogues = sorted(pathlib.Path(sys.argv[1]).rglob("*.po"))
for path in catalogues:
    checked = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "/dev/null", str(path)],
                             capture_output=True, text=True)
    if checked.returncode != 0:
        problems.append("%s: msgfmt --check: %s" % (path, checked.stderr.strip()))
    for entry in entries(path):
        where = '%s: "%s"' % (path, entry["msgid"][:60])
        if "fuzzy" in entry["flags"]:
            problems.append(where + " is fuzzy")
        if not entry["msgstr"] or not all(entry["msgstr"].values()):
            problems.append(where + " is not translated")
            continue
        wanted = collections.Counter(PLACEHOLDER.findall(entry["msgid"]))
        for form, text in entry["msgstr"].items():
            if collections.Counter(PLACEHOLDER.findall(text)) != wanted:
                problems.append(where + " form %d has %s instead of %s" % (form, sorted(PLACEHOLDER.findall(text)),
                                                                           sorted(wanted.elements())))
    print("%s: %s" % (path, checked.stderr.strip()))
if not catalogues:
    problems.append("no catalogue under " + sys.argv[1])
for problem in problems:
    print("FAILED: " + problem, file=sys.stderr)
sys.exit(1 if problems else 0)
