#!/usr/bin/env python3
"""Writes Orvex's pictures: the toolbar strips standard.bmp and programs.bmp
(16 x 15 images on the classic grey that the toolbar maps to the button
face), the start-up picture splash.bmp (8 bits with a colour table) and the
icons orvex.ico and bodef.ico (16 x 16 and 32 x 32, 32 bits). Run it again
after changing a picture:

    python3 orvex/res/make_images.py orvex/res
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "images"))
from bitmaps import bmp8, draw_text, ico, strip, text_width  # noqa: E402
from pictures import CONNECT, DELETE, DISCONNECT, NEW, OPEN, PRINT, SAVE  # noqa: E402

CUT = """
................
....k.....k.....
....k.....k.....
....k.....k.....
....kk...kk.....
.....k...k......
.....kk.kk......
......kkk.......
.......k........
......bkb.......
....bbb.bbb.....
...b..b.b..b....
...b..b.b..b....
...b..b.b..b....
....bb...bb.....
"""

COPY = """
kkkkkkk.........
kwwwwwkk........
kwkkkwkwk.......
kwwwwwkkkk......
kwkkkkbbbbbbb...
kwwwwwbwwwwwbb..
kwkkkkbwkkkwbwb.
kwwwwwbwwwwwbbbb
kkkkkkbwkkkkkwwb
......bwwwwwwwwb
......bwkkkkkkwb
......bwwwwwwwwb
......bwkkkkkkwb
......bwwwwwwwwb
......bbbbbbbbbb
"""

PASTE = """
....kkkk........
.kkkkyykkkk.....
kYYkywwykYYk....
kYkkkkkkkkYk....
kYYYYYYYYYYk....
kYYYYYbbbbbbb...
kYYYYYbwwwwwbb..
kYYYYYbwkkkwbwb.
kYYYYYbwwwwwbbbb
kYYYYYbwkkkkkwwb
kYYYYYbwwwwwwwwb
kYYYYYbwkkkkkkwb
.kkkkkbwwwwwwwwb
......bbbbbbbbbb
................
"""

REFRESH = """
................
......GGGG......
....GGLLLLGG....
...GLLGGGGLLGG..
..GLG.....GLLG..
..GLG....GLLLG..
..GG....GGGGGG..
................
..GGGGGG....GG..
..GLLLG....GLG..
..GLLG.....GLG..
..GGLLGGGGLLG...
....GGLLLLGG....
......GGGG......
................
"""

HELP = """
................
.....bbbbbb.....
....bbBBBBbb....
...bbB....Bbb...
...bB......Bb...
...bb......Bb...
..........Bbb...
.........Bbb....
........Bbb.....
.......Bbb......
.......bbb......
................
.......bbb......
.......bbb......
................
"""

SPRINDLE = """
................
.......kk.......
...kk.kggk.kk...
...kgkggggkgk...
....kggggggk....
..kkgggkkgggkk..
.kgggggk.kggggk.
.kgggggk.kggggk.
..kkgggkkgggkk..
....kggggggk....
...kgkggggkgk...
...kk.kggk.kk...
.......kk.......
................
................
"""

KESTRUN = """
................
..kkkk..........
..kYYk..........
kkkYYkkk........
kYYYYYYk........
kYYYYYYk..cccc..
kkkYYkkk..cCCc..
...kk.....cCCc..
...kk...kkcCCc..
...kkkkkk.cCCc..
..........cCCc..
..........cccc..
...........kk...
..........kkkk..
................
"""

TAVISH = """
................
kkkkkkkkkkkkkkkk
kbbbbbbbbbbbbwbk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
kkLkkkkkkkkkkkkk
kkkLkkkkkkkkkkkk
kkkkLkkkkkkkkkkk
kkkLkkkkkkkkkkkk
kkLkkLLLLkkkkkkk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
kkkkkkkkkkkkkkkk
................
"""

STANDARD = [NEW, OPEN, SAVE, CUT, COPY, PASTE, CONNECT, DISCONNECT, REFRESH, DELETE, PRINT, HELP]
PROGRAMS = [SPRINDLE, KESTRUN, TAVISH]


# --- The start-up picture -----------------------------------------------------

SPLASH_W, SPLASH_H = 360, 220
SPLASH_PALETTE = [
    (24, 40, 88),     # 0 deep blue background
    (44, 70, 140),    # 1 band
    (255, 255, 255),  # 2 text
    (200, 214, 240),  # 3 soft text
    (240, 180, 40),   # 4 accent
    (0, 0, 0),        # 5 frame
]

def splash():
    canvas = [[0] * SPLASH_W for _ in range(SPLASH_H)]
    for y in range(150, 160):
        for x in range(SPLASH_W):
            canvas[y][x] = 1
    for x in range(40, SPLASH_W - 40):
        canvas[62][x] = 4
    for x in range(SPLASH_W):
        canvas[0][x] = canvas[SPLASH_H - 1][x] = 5
    for y in range(SPLASH_H):
        canvas[y][0] = canvas[y][SPLASH_W - 1] = 5
    title = "ORVEX"
    draw_text(canvas, title, (SPLASH_W - text_width(title, 8)) // 2, 78, 8, 2)
    subtitle = "BUSINESS OBJECT EDITOR"
    draw_text(canvas, subtitle, (SPLASH_W - text_width(subtitle, 2)) // 2, 172, 2, 3)
    brand = "HALVANE"
    draw_text(canvas, brand, (SPLASH_W - text_width(brand, 3)) // 2, 28, 3, 4)
    return bmp8(SPLASH_W, SPLASH_H, canvas, SPLASH_PALETTE)


# --- Icons --------------------------------------------------------------------


def orvex_icon(x, y, size):
    """A blue tile with a white ring: the editor."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    if not (0.06 < u < 0.94 and 0.06 < v < 0.94):
        return (0, 0, 0, 0)
    d = ((u - 0.5) ** 2 + (v - 0.5) ** 2) ** 0.5
    if 0.20 < d < 0.32:
        return (255, 255, 255, 255)
    if d <= 0.09:
        return (240, 180, 40, 255)
    return (44, 70, 140, 255)


def bodef_icon(x, y, size):
    """A page with three attribute rows: a definition window."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    if not (0.15 < u < 0.85 and 0.08 < v < 0.92):
        return (0, 0, 0, 0)
    if u < 0.2 or u > 0.8 or v < 0.13 or v > 0.87:
        return (0, 0, 0, 255)
    for top in (0.3, 0.48, 0.66):
        if top < v < top + 0.08 and 0.3 < u < 0.7:
            return (44, 70, 140, 255)
    return (255, 255, 255, 255)


def main(folder):
    outputs = {
        "standard.bmp": strip(STANDARD),
        "programs.bmp": strip(PROGRAMS),
        "splash.bmp": splash(),
        "orvex.ico": ico(orvex_icon),
        "bodef.ico": ico(bodef_icon),
    }
    for name, data in outputs.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
