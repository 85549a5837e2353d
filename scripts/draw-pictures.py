#!/usr/bin/env python3
"""Draws the battle window's pixel art and writes it to assets/ as XPM files, and the
application icon as PNG files at every installed size.

The pictures are committed; run this again only to change them:
    python3 scripts/draw-pictures.py
Each picture has one transparent colour (XPM "None") and its exact pixel size.
"""
import math
import pathlib
import random
import struct
import zlib

ASSETS = pathlib.Path(__file__).resolve().parent.parent / "assets"

INK = "#1b1427"  # the outline of every figure


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[None] * width for _ in range(height)]

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def put(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if self.inside(x, y):
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x] if self.inside(x, y) else None

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(int(y0), int(y1) + 1):
            for x in range(int(x0), int(x1) + 1):
                self.put(x, y, colour)

    def ellipse(self, cx, cy, rx, ry, colour, shade=None, light=None):
        """A filled ellipse; with shade/light, lit from the upper left."""
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                dx, dy = (x - cx) / max(rx, 0.5), (y - cy) / max(ry, 0.5)
                d = dx * dx + dy * dy
                if d > 1.0:
                    continue
                c = colour
                if shade and dx * 0.7 + dy * 0.7 > 0.45:
                    c = shade
                if light and dx * 0.7 + dy * 0.7 < -0.55 and d > 0.15:
                    c = light
                self.put(x, y, c)

    def polygon(self, points, colour):
        ys = [p[1] for p in points]
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
            yc = y + 0.5
            crossings = []
            for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    crossings.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            crossings.sort()
            for a, b in zip(crossings[::2], crossings[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        r = (width - 1) / 2
        for i in range(steps + 1):
            t = i / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            if r <= 0:
                self.put(x, y, colour)
            else:
                self.ellipse(x, y, r, r, colour)

    def outline(self, colour=INK, keep=()):
        """Turns every filled pixel at the edge of the figure into the outline colour."""
        edge = []
        for y in range(self.height):
            for x in range(self.width):
                c = self.pixels[y][x]
                if c is None or c in keep:
                    continue
                if any(self.get(x + dx, y + dy) is None for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                    edge.append((x, y))
        for x, y in edge:
            self.pixels[y][x] = colour

    def mirror(self):
        for row in self.pixels:
            row.reverse()
        return self

    def write(self, name):
        colours = sorted({c for row in self.pixels for c in row if c is not None})
        symbols = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789#$%&*+-=@"
        if len(colours) > len(symbols):
            raise ValueError(f"{name}: {len(colours)} colours")
        key = {c: symbols[i] for i, c in enumerate(colours)}
        lines = [f'"{self.width} {self.height} {len(colours) + 1} 1",', '"  c None",']
        lines += [f'"{key[c]} c {c}",' for c in colours]
        rows = ['"' + "".join(" " if c is None else key[c] for c in row) + '"' for row in self.pixels]
        ident = name.replace("-", "_")
        text = "/* XPM */\nstatic const char *" + ident + "[] = {\n"
        text += "\n".join(lines) + "\n" + ",\n".join(rows) + "\n};\n"
        (ASSETS / f"{name}.xpm").write_text(text)


def dither(x, y, level):
    """A 4x4 ordered dither: True where a pixel at this level of 0..1 takes the second colour."""
    bayer = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
    return (bayer[y % 4][x % 4] + 0.5) / 16 < level


# ---------------------------------------------------------------------------------------------
# The battlefield: sky, far mountains, a tree line and a trampled meadow.

def battlefield():
    c = Canvas(339, 337)
    rng = random.Random(7)
    sky = ["#4f8fd8", "#63a3e4", "#79b7ee", "#93cbf5", "#b0dcf9", "#cdeafb"]
    horizon = 96
    for y in range(horizon):
        t = y / horizon * (len(sky) - 1)
        band = int(t)
        for x in range(c.width):
            upper = sky[min(band + 1, len(sky) - 1)]
            c.put(x, y, upper if dither(x, y, t - band) else sky[band])
    # clouds: clusters of soft ellipses
    for cx, cy, size in ((40, 22, 1.0), (150, 14, 0.8), (236, 30, 1.15), (318, 12, 0.7)):
        for dx, dy, r in ((-12, 2, 7), (-3, -3, 9), (8, 0, 8), (16, 3, 5), (2, 4, 7)):
            c.ellipse(cx + dx * size, cy + dy * size, r * size * 1.3, r * size * 0.8, "#ffffff", shade="#dbe9f5")
    # far mountains, two ranges
    for base, colour, snow, seed, peaks in ((92, "#8796c4", "#eef3ff", 3, 5), (100, "#6a7bab", None, 11, 7)):
        r = random.Random(seed)
        points = [(-5, base + 10)]
        for i in range(peaks + 1):
            x = -5 + i * (349 / peaks)
            points.append((x - 349 / peaks / 2, base - r.randint(4, 12)))
            points.append((x, base - r.randint(22, 46)))
        points.append((344, base + 10))
        c.polygon(points, colour)
        if snow:
            for x in range(c.width):
                top = next((y for y in range(c.height) if c.get(x, y) == colour), None)
                if top is not None and top < base - 26:
                    for y in range(top, top + 4 + (x % 3)):
                        if c.get(x, y) == colour:
                            c.put(x, y, snow)
    # a dark tree line at the horizon
    for x in range(-4, c.width + 4, 5):
        h = rng.randint(7, 14)
        c.polygon([(x - 4, 112), (x, 112 - h), (x + 4, 112)], "#2e5e3a")
        c.polygon([(x - 2, 112), (x + 1, 114 - h), (x + 3, 112)], "#3b7346")
    # the meadow, darker toward the viewer
    grass = ["#8fd166", "#7cc557", "#6ab84b", "#5aa941", "#4d9a39"]
    for y in range(110, c.height):
        t = (y - 110) / (c.height - 110) * (len(grass) - 1)
        band = int(t)
        for x in range(c.width):
            lower = grass[min(band + 1, len(grass) - 1)]
            c.put(x, y, lower if dither(x + 1, y, t - band) else grass[band])
    # the trampled arena where the fighters stand
    for y in range(128, 300):
        for x in range(0, c.width):
            dx, dy = (x - 165) / 190, (y - 212) / 82
            d = dx * dx + dy * dy
            if d < 1.0:
                colour = "#d2b27a" if d < 0.72 else "#c1a06a"
                if d > 0.86 and dither(x, y, (d - 0.86) / 0.14):
                    continue
                c.put(x, y, colour)
    # pebbles and worn patches on the arena, tufts of grass around it
    for _ in range(150):
        x, y = rng.randint(0, 338), rng.randint(132, 296)
        if c.get(x, y) in ("#d2b27a", "#c1a06a"):
            c.put(x, y, rng.choice(["#b08d58", "#e3c996", "#a58250"]))
            if rng.random() < 0.3:
                c.put(x + 1, y, "#e3c996")
    for _ in range(260):
        x, y = rng.randint(0, 338), rng.randint(114, 336)
        if c.get(x, y) in grass:
            c.put(x, y, "#3f8a30")
            c.put(x - 1, y + 1, "#3f8a30")
            c.put(x + 1, y + 1, "#3f8a30")
            c.put(x, y - 1, "#a8e07a")
    # flowers
    for _ in range(40):
        x, y = rng.randint(0, 338), rng.randint(116, 336)
        if c.get(x, y) in grass:
            c.put(x, y, rng.choice(["#ffe45c", "#ffffff", "#ff8fb1"]))
    return c


# ---------------------------------------------------------------------------------------------
# The Hero: a knight in steel with a red cape, shield toward the Enemies on the left.

STEEL = ("#e4e9f2", "#a8b3c6", "#6b7690")
GOLD = ("#ffd866", "#d9a22b")
RED = ("#d8413b", "#92242a")
SKIN = ("#f3c79a", "#cf9468")


def knight(c, ox, oy, lunge=False):
    """The knight's body with its top left at ox, oy; lunge leans it forward to the left."""
    lean = -6 if lunge else 0
    # cape behind the body
    hem = oy + (96 if lunge else 86)
    c.polygon([(ox + 32, oy + 30), (ox + 58, oy + 34), (ox + 64, hem), (ox + 30, hem)], RED[1])
    c.polygon([(ox + 33, oy + 31), (ox + 52, oy + 34), (ox + 56, hem - 2), (ox + 34, hem - 2)], RED[0])
    # legs and boots
    if lunge:
        c.polygon([(ox + 30, oy + 66), (ox + 40, oy + 66), (ox + 28, oy + 86), (ox + 18, oy + 86)], STEEL[1])
        c.polygon([(ox + 40, oy + 66), (ox + 50, oy + 66), (ox + 60, oy + 86), (ox + 50, oy + 86)], STEEL[2])
        c.rect(ox + 12, oy + 86, ox + 28, oy + 91, "#5a3b28")
        c.rect(ox + 50, oy + 86, ox + 64, oy + 91, "#5a3b28")
    else:
        c.rect(ox + 26, oy + 66, ox + 35, oy + 83, STEEL[1])
        c.rect(ox + 38, oy + 66, ox + 47, oy + 83, STEEL[2])
        c.rect(ox + 22, oy + 83, ox + 35, oy + 89, "#5a3b28")
        c.rect(ox + 38, oy + 83, ox + 50, oy + 89, "#5a3b28")
        c.rect(ox + 27, oy + 70, ox + 29, oy + 80, STEEL[0])
    # breastplate with a belt
    c.polygon([(ox + 22 + lean, oy + 32), (ox + 50 + lean, oy + 32), (ox + 49, oy + 68), (ox + 24, oy + 68)], STEEL[1])
    c.polygon([(ox + 25 + lean, oy + 34), (ox + 36 + lean, oy + 34), (ox + 34, oy + 62), (ox + 27, oy + 62)], STEEL[0])
    c.rect(ox + 24, oy + 60, ox + 49, oy + 64, "#6b4426")
    c.rect(ox + 34, oy + 60, ox + 38, oy + 64, GOLD[0])
    # shoulder plates
    c.ellipse(ox + 22 + lean, oy + 35, 7, 5, STEEL[1], shade=STEEL[2], light=STEEL[0])
    c.ellipse(ox + 50 + lean, oy + 35, 7, 5, STEEL[1], shade=STEEL[2], light=STEEL[0])
    # head: helmet with a visor slit and a red plume
    hx, hy = ox + 36 + lean * 1.5, oy + (24 if lunge else 18)
    c.polygon([(hx + 2, hy - 12), (hx + 18, hy - 19), (hx + 26, hy - 12), (hx + 10, hy - 6)], RED[0])
    c.polygon([(hx + 10, hy - 10), (hx + 24, hy - 14), (hx + 26, hy - 11), (hx + 12, hy - 7)], RED[1])
    c.ellipse(hx, hy, 12, 13, STEEL[1], shade=STEEL[2], light=STEEL[0])
    c.rect(hx - 12, hy + 1, hx + 2, hy + 4, SKIN[0])
    c.rect(hx - 11, hy + 2, hx - 8, hy + 3, INK)
    c.rect(hx - 12, hy - 1, hx + 6, hy, STEEL[2])
    c.rect(hx - 2, hy - 13, hx + 1, hy + 12, GOLD[1])
    return c


def hero():
    # the turn arrow stands over the top 13 rows: the knight keeps below them
    c = Canvas(72, 105)
    knight(c, 4, 15)
    # shield on the left arm, facing the Enemies
    c.polygon([(2, 50), (24, 48), (24, 70), (13, 84), (2, 70)], "#2f58b8")
    c.polygon([(5, 53), (21, 51), (21, 69), (13, 80), (5, 69)], "#4a7be0")
    c.rect(12, 54, 14, 76, GOLD[0])
    c.rect(6, 62, 20, 64, GOLD[0])
    # sword held upright in the right hand
    c.rect(61, 22, 64, 62, STEEL[0])
    c.rect(64, 24, 65, 60, STEEL[2])
    c.rect(55, 62, 70, 65, GOLD[1])
    c.rect(61, 66, 64, 76, "#6b4426")
    c.ellipse(62.5, 78, 2.5, 2.5, GOLD[0])
    c.ellipse(62, 70, 4, 4, SKIN[0], shade=SKIN[1])
    c.outline()
    return c


def hero_attack():
    c = Canvas(98, 89)
    # the Enemy stands at the left edge: a crescent slash sweeps down across it
    for i in range(0, 80):
        a = math.radians(-70 + i * 1.9)
        x, y = 6 + math.cos(a) * 30, 30 + math.sin(a) * 30
        w = 1 + 4 * math.sin(i / 80 * math.pi)
        c.line(x, y, x + 1, y + 1, "#fffbe0" if i % 9 else "#ffe27a", width=w)
    body = Canvas(98, 89)
    knight(body, 34, -4, lunge=True)
    # the sword thrust forward at the Enemy
    body.polygon([(6, 33), (40, 29), (40, 33), (6, 35)], STEEL[0])
    body.rect(8, 34, 40, 35, STEEL[2])
    body.rect(40, 24, 43, 39, GOLD[1])
    body.rect(44, 29, 49, 33, "#6b4426")
    body.ellipse(48, 31, 4, 4, SKIN[0], shade=SKIN[1])
    body.outline()
    for y in range(c.height):
        for x in range(c.width):
            if body.pixels[y][x] is not None:
                c.pixels[y][x] = body.pixels[y][x]
    # speed lines behind the lunge
    for y in (22, 40, 70):
        c.line(88, y, 97, y, "#ffffff")
    return c


# ---------------------------------------------------------------------------------------------
# The Enemy: a small green goblin with horns and a club, facing the Hero on the right.

GREEN = ("#8fdc52", "#5aa532", "#356b1f")


def goblin(c, ox, oy, leaping=False):
    # horns
    c.polygon([(ox + 7, oy + 6), (ox + 4, oy - 1), (ox + 10, oy + 4)], "#f1e6c8")
    c.polygon([(ox + 19, oy + 4), (ox + 24, oy - 1), (ox + 22, oy + 6)], "#f1e6c8")
    # head and body
    c.ellipse(ox + 14, oy + 10, 10, 8, GREEN[1], shade=GREEN[2], light=GREEN[0])
    c.ellipse(ox + 13, oy + 21, 7, 6, GREEN[1], shade=GREEN[2], light=GREEN[0])
    c.rect(ox + 8, oy + 21, ox + 18, oy + 24, "#8a5a2b")  # loincloth
    # eyes looking right, and a toothy grin
    c.rect(ox + 14, oy + 7, ox + 17, oy + 10, "#ffffff")
    c.rect(ox + 19, oy + 7, ox + 22, oy + 10, "#ffffff")
    c.rect(ox + 16, oy + 8, ox + 17, oy + 10, "#d62828")
    c.rect(ox + 21, oy + 8, ox + 22, oy + 10, "#d62828")
    c.rect(ox + 13, oy + 13, ox + 21, oy + 14, GREEN[2])
    c.put(ox + 15, oy + 14, "#ffffff")
    c.put(ox + 19, oy + 14, "#ffffff")
    if leaping:
        c.rect(ox + 6, oy + 26, ox + 9, oy + 30, GREEN[2])
        c.rect(ox + 17, oy + 25, ox + 21, oy + 28, GREEN[2])
    else:
        c.rect(ox + 8, oy + 26, ox + 11, oy + 29, GREEN[2])
        c.rect(ox + 15, oy + 26, ox + 18, oy + 29, GREEN[2])
    # the club, raised on the right
    c.line(ox + 20, oy + 22, ox + 26, oy + 12, "#7a4a22", width=2)
    c.ellipse(ox + 26, oy + 11, 2.5, 3, "#9c6431", shade="#6b3f1a")
    return c


def enemy():
    c = Canvas(29, 31)
    goblin(c, 1, 1)
    c.outline()
    return c


def enemy_attack():
    c = Canvas(29, 68)
    # claw marks slashing down over the Hero, the goblin springing from above
    for i, x in enumerate((6, 12, 18)):
        c.line(x, 36 + i, x + 6, 66, "#ffffff", width=2)
        c.line(x + 1, 38 + i, x + 6, 64, "#ff6b5a")
    body = Canvas(29, 68)
    goblin(body, 1, 2, leaping=True)
    body.outline()
    for y in range(c.height):
        for x in range(c.width):
            if body.pixels[y][x] is not None:
                c.pixels[y][x] = body.pixels[y][x]
    return c


# ---------------------------------------------------------------------------------------------
# Effects: the turn arrow, the magic spell, the cure's sparkle and the suicide blast.

def arrow():
    c = Canvas(23, 13)
    c.polygon([(0, 0), (23, 0), (11.5, 13)], "#c98a00")
    c.polygon([(3, 1), (20, 1), (11.5, 10.5)], "#ffd23f")
    c.polygon([(5, 1), (11.5, 1), (11.5, 8)], "#fff0a0")
    c.outline()
    return c


def magic():
    c = Canvas(48, 56)
    # a swirling orb of violet energy with sparks
    for r, colour in ((22, "#3b1fa8"), (18, "#6a3df0"), (13, "#9b7bff"), (8, "#d4c6ff"), (4, "#ffffff")):
        c.ellipse(24, 28, r, r * 1.1, colour)
    for i in range(5):
        a = math.radians(i * 72 + 20)
        c.line(24 + math.cos(a) * 6, 28 + math.sin(a) * 6, 24 + math.cos(a + 0.6) * 20, 28 + math.sin(a + 0.6) * 22,
               "#ffffff")
    for x, y in ((4, 6), (42, 8), (44, 48), (3, 50), (24, 2), (24, 54)):
        c.line(x - 2, y, x + 2, y, "#fff3a0")
        c.line(x, y - 2, x, y + 2, "#fff3a0")
    return c


def sparkle(c, x, y, size, colour, core="#ffffff"):
    c.line(x - size, y, x + size, y, colour)
    c.line(x, y - size, x, y + size, colour)
    if size > 2:
        c.line(x - size / 2, y - size / 2, x + size / 2, y + size / 2, colour)
        c.line(x - size / 2, y + size / 2, x + size / 2, y - size / 2, colour)
    c.put(x, y, core)


def cure():
    c = Canvas(58, 57)
    # a ring of green light with rising stars and a cross of healing
    for a in range(0, 360, 3):
        t = math.radians(a)
        c.put(29 + math.cos(t) * 26, 40 + math.sin(t) * 10, "#7dffa0" if a % 12 else "#e6ffe9")
        c.put(29 + math.cos(t) * 25, 40 + math.sin(t) * 9, "#34c76a")
    c.rect(26, 10, 32, 30, "#34c76a")
    c.rect(19, 17, 39, 23, "#34c76a")
    c.rect(27, 11, 31, 29, "#9dffb8")
    c.rect(20, 18, 38, 22, "#9dffb8")
    c.rect(28, 12, 30, 28, "#ffffff")
    for x, y, s in ((8, 12, 4), (50, 8, 5), (10, 34, 3), (48, 30, 3), (40, 52, 2), (16, 50, 2), (44, 18, 2)):
        sparkle(c, x, y, s, "#ffe066")
    return c


def suicide():
    c = Canvas(82, 90)
    rng = random.Random(5)
    # smoke, then the fireball in rings from dark red to a white-hot core
    for _ in range(16):
        a, r = rng.uniform(0, 2 * math.pi), rng.uniform(24, 32)
        c.ellipse(41 + math.cos(a) * r, 46 + math.sin(a) * r * 1.05, 9, 8, "#7a7a7a", shade="#525252", light="#a0a0a0")
    rings = ((31, "#a8241a"), (26, "#e0461e"), (20, "#ff8a1f"), (13, "#ffc53a"), (7, "#fff4b8"))
    for radius, colour in rings:
        points = []
        for i in range(24):
            a = i / 24 * 2 * math.pi
            spike = radius * (1.0 + (0.28 if i % 2 == 0 else -0.05) * rng.uniform(0.6, 1.2))
            points.append((41 + math.cos(a) * spike, 46 + math.sin(a) * spike * 1.05))
        c.polygon(points, colour)
    for _ in range(14):
        a, r = rng.uniform(0, 2 * math.pi), rng.uniform(33, 40)
        c.ellipse(41 + math.cos(a) * r, 46 + math.sin(a) * r, 1.5, 1.5, rng.choice(["#ffc53a", "#ff8a1f", "#fff4b8"]))
    return c


# ---------------------------------------------------------------------------------------------
# The application icon: the Hero's helmet with its red plume, on a 16-pixel grid. Every size
# is that grid scaled by a whole number; 24 pixels holds it unscaled with a margin.

ICON_GRID = [
    ".....KKKKK......",
    "....KRRRRRK.....",
    "....KRRRRrrK....",
    ".....KKRrrK.....",
    "...KKKKGGKKKK...",
    "..KSSSMGGMMMDK..",
    "..KSSMMGGMMMDK..",
    "..KSMMMGGMMMDK..",
    "..KKKKKGGKKKKK..",
    "..KSMMMGGMMMDK..",
    "..KSMMMGGMMDDK..",
    "..KMMKMGGMKMDK..",
    "..KMMMMGGMMMDK..",
    "...KMMMGGMMDK...",
    "....KKKKKKKK....",
    "................",
]
ICON_COLOURS = {"K": INK, "R": RED[0], "r": RED[1], "G": GOLD[0], "S": STEEL[0], "M": STEEL[1], "D": STEEL[2]}
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def write_png(path, width, height, rgba_at):
    """An 8-bit RGBA PNG; rgba_at(x, y) gives each pixel."""
    raw = b"".join(b"\0" + b"".join(bytes(rgba_at(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                     chunk(b"IEND", b""))


def icon(size):
    grid = len(ICON_GRID)
    scale = max(1, size // grid)
    margin = (size - grid * scale) // 2

    def rgba_at(x, y):
        gx, gy = (x - margin) // scale, (y - margin) // scale
        if not (0 <= gx < grid and 0 <= gy < grid) or ICON_GRID[gy][gx] == ".":
            return (0, 0, 0, 0)
        colour = ICON_COLOURS[ICON_GRID[gy][gx]]
        return (int(colour[1:3], 16), int(colour[3:5], 16), int(colour[5:7], 16), 255)

    (ASSETS / "icon").mkdir(exist_ok=True)
    write_png(ASSETS / "icon" / f"{size}.png", size, size, rgba_at)


def main():
    for size in ICON_SIZES:
        icon(size)
    pictures = {
        "battlefield": battlefield, "hero": hero, "hero-attack": hero_attack, "enemy": enemy,
        "enemy-attack": enemy_attack, "arrow": arrow, "magic": magic, "cure": cure, "suicide": suicide,
    }
    for name, draw in pictures.items():
        draw().write(name)


if __name__ == "__main__":
    main()
