#!/usr/bin/python3
"""A pseudo-language's text, as gettext's msgfilter hands each text of a catalogue to it on
standard input: accented letters and 40 % longer, its placeholders, line breaks and blanks kept,
so that a test in it shows every text that bypasses the catalogue (it stays plain) and where the
windows run short of room.

Usage: msgfilter -i ENGLISH.po -o PSEUDO.po pseudo-catalogue.py"""
import re
import sys

ACCENTED = str.maketrans("aeiouycnsAEIOUYCNS", "áéíöüýçñšÅÉÍÖÜÝÇÑŠ")
PIECES = re.compile(r"(\{[a-z_]+\}|\s+)")

text = sys.stdin.read()
pieces = PIECES.split(text)
letters = sum(len(piece) for piece in pieces if not PIECES.fullmatch(piece))
extra = round(0.4 * len(text))
for piece in pieces:
    if PIECES.fullmatch(piece) or not piece:
        sys.stdout.write(piece)
    else:
        # The extra letters spread over the words in proportion to their length.
        sys.stdout.write(piece.translate(ACCENTED) + "~" * round(extra * len(piece) / letters))
