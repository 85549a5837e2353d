#!/usr/bin/python3
"""A pseudo-language's catalogue from the template: every text with accented letters and 40 %
longer, its placeholders, line breaks and leading blanks kept, so that a test in it shows every
text that bypasses the catalogue (it stays plain) and where the windows run short of room.

Usage: pseudo-catalogue.py TEMPLATE.pot OUT.po"""
import re
import sys

ACCENTED = str.maketrans("aeiouycnsAEIOUYCNS", "áéíöüýçñšÅÉÍÖÜÝÇÑŠ")
PIECES = re.compile(r"(\{[a-z_]+\}|\\n|\\.|\s+)")


def pseudo(text):
    pieces = PIECES.split(text)
    letters = sum(len(piece) for piece in pieces if not PIECES.fullmatch(piece))
    extra = round(0.4 * len(text.replace("\\n", "\n")))
    out = []
    for piece in pieces:
        if PIECES.fullmatch(piece) or not piece:
            out.append(piece)
            continue
        # The extra letters spread over the words in proportion to their length.
        share = round(extra * len(piece) / letters) if letters else 0
        out.append(piece.translate(ACCENTED) + "~" * share)
    return "".join(out)


template = open(sys.argv[1], encoding="utf-8").read()
entries = template.split("\n\n")
header = entries[0].replace("charset=CHARSET", "charset=UTF-8")
header = re.sub(r'"Language: [^"]*"', r'"Language: qps\\n"', header)
header = re.sub(r'"Plural-Forms: [^"]*"', r'"Plural-Forms: nplurals=2; plural=(n != 1);\\n"', header)
header = header.replace("#, fuzzy\n", "")
out = [header]
for entry in entries[1:]:
    lines = [line for line in entry.splitlines() if not line.startswith("#")]
    text = "\n".join(lines)
    msgid = "".join(re.findall(r'^msgid "(.*)"$|^"(.*)"$', text.split("msgid_plural")[0].split("msgstr")[0], re.M)[0])
    ids = re.findall(r'^(msgid|msgid_plural) ((?:".*"\n?)+)', text + "\n", re.M)
    joined = {name: "".join(re.findall(r'"(.*)"', value)) for name, value in ids}
    if "msgid" not in joined:
        continue
    block = 'msgid "%s"\n' % joined["msgid"]
    if "msgid_plural" in joined:
        block += 'msgid_plural "%s"\nmsgstr[0] "%s"\nmsgstr[1] "%s"' % (
            joined["msgid_plural"], pseudo(joined["msgid"]), pseudo(joined["msgid_plural"]))
    else:
        block += 'msgstr "%s"' % pseudo(joined["msgid"])
    out.append(block)
open(sys.argv[2], "w", encoding="utf-8").write("\n\n".join(out) + "\n")
