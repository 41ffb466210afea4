#!/usr/bin/env python3
"""Writes Orvex's pictures: the toolbar strips standard.bmp and programs.bmp
(16 x 15 images on the classic grey that the toolbar maps to the button
face), the start-up picture splash.bmp (8 bits with a colour table) and the
icons orvex.ico and bodef.ico (16 x 16 and 32 x 32, 32 bits). Run it again
after changing a picture:

    python3 orvex/res/make_images.py orvex/res
"""
import os
import struct
import sys

COLOURS = {
    ".": (192, 192, 192),
    "k": (0, 0, 0),
    "w": (255, 255, 255),
    "g": (128, 128, 128),
    "y": (255, 255, 0),
    "Y": (128, 128, 0),
    "b": (0, 0, 128),
    "B": (0, 0, 255),
    "r": (128, 0, 0),
    "R": (255, 0, 0),
    "G": (0, 128, 0),
    "L": (0, 255, 0),
    "c": (0, 128, 128),
    "C": (0, 255, 255),
}

NEW = """
...kkkkkkk......
...kwwwwwkk.....
...kwwwwwkwk....
...kwwwwwkkkk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kwwwwwwwwk...
...kkkkkkkkkk...
................
"""

OPEN = """
................
..........kkk...
.........k...k.k
..............kk
.kkk.........kkk
kyyykkkkkkk.....
kywyywywywk.....
kwyywywywyk.....
kywy.kkkkkkkkkk.
kwywkYYYYYYYYYk.
kywkYYYYYYYYYk..
kwkYYYYYYYYYk...
kkYYYYYYYYYk....
kkkkkkkkkkk.....
................
"""

SAVE_TO_SERVER = """
................
.kkkkkkkkkkkkkk.
.kckwwwwwwwwkck.
.kckwwwwwwwwkkk.
.kckwwwwwwwwkck.
.kckwwwwwwwwkck.
.kcckkkkkkkkcck.
.kccccccccccccck
.kcckkkkkkkkkcck
.kcckkkkkkwwkcck
.kcckkkkkkwwkcck
.kcckkkkkkkkkcck
..kkkkkkkkkkkkk.
................
................
"""

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

CONNECT = """
................
.bbbbbb.........
.bBBBBb.........
.bBBBBb.........
.bbbbbb.........
...kk...........
.kkkkkk.........
.......G........
........G.......
.........bbbbbb.
.........bBBBBb.
.........bBBBBb.
.........bbbbbb.
...........kk...
.........kkkkkk.
"""

DISCONNECT = """
................
.bbbbbb.........
.bBBBBb.........
.bBBBBb.........
.bbbbbb.R.....R.
...kk....R...R..
.kkkkkk...R.R...
...........R....
..........R.R...
.........R...R..
........R....bR.
.........bBBBBb.
.........bBBBBb.
.........bbbbbb.
.........kkkkkk.
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

DELETE = """
................
................
..RR.......RR...
..RRR.....RRR...
...RRR...RRR....
....RRR.RRR.....
.....RRRRR......
......RRR.......
.....RRRRR......
....RRR.RRR.....
...RRR...RRR....
..RRR.....RRR...
..RR.......RR...
................
................
"""

PRINT = """
................
....kkkkkkkk....
....kwwwwwwkk...
....kwkkkkwkwk..
....kwwwwwwkkk..
..kkkwkkkkkwwkk.
.kgggggggggggkgk
kkkkkkkkkkkkkkgk
kggggggggggggkgk
kggggggggLLggkgk
kkkkkkkkkkkkkkgk
kggggggggggggkk.
.kkkkkkkkkkkkk..
................
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

STANDARD = [NEW, OPEN, SAVE_TO_SERVER, CUT, COPY, PASTE, CONNECT, DISCONNECT, REFRESH, DELETE, PRINT, HELP]
PROGRAMS = [SPRINDLE, KESTRUN, TAVISH]


def rows(picture):
    lines = [line for line in picture.strip("\n").split("\n")]
    assert len(lines) == 15 and all(len(line) == 16 for line in lines), picture
    return lines


def bmp24(width, height, pixel):
    """A bottom-up 24-bit DIB; pixel(x, y) answers (r, g, b), y from the top."""
    stride = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for y in reversed(range(height)):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(data), 0, 0, 54) + header + data


def strip(pictures):
    grids = [rows(p) for p in pictures]
    return bmp24(16 * len(grids), 15, lambda x, y: COLOURS[grids[x // 16][y][x % 16]])


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

# A 5 x 7 pixel alphabet for the few letters the picture shows.
FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "J": ["00111", "00010", "00010", "00010", "00010", "10010", "01100"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    " ": ["00000"] * 7,
}


def draw_text(canvas, text, left, top, scale, colour):
    x = left
    for ch in text:
        glyph = FONT[ch]
        for gy, line in enumerate(glyph):
            for gx, bit in enumerate(line):
                if bit == "1":
                    for dy in range(scale):
                        for dx in range(scale):
                            canvas[top + gy * scale + dy][x + gx * scale + dx] = colour
        x += 6 * scale


def text_width(text, scale):
    return len(text) * 6 * scale - scale


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
    stride = (SPLASH_W + 3) // 4 * 4
    data = bytearray()
    for y in reversed(range(SPLASH_H)):
        line = bytes(canvas[y])
        data += line + b"\0" * (stride - len(line))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in SPLASH_PALETTE)
    count = len(SPLASH_PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SPLASH_W, SPLASH_H, 1, 8, 0, len(data), 2835, 2835, count, count)
    offset = 14 + 40 + len(table)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + header + table + data


# --- Icons --------------------------------------------------------------------


def icon_image(size, pixel):
    """One 32-bit icon image: BGRA bottom-up, then an empty AND mask."""
    data = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            data += bytes((b, g, r, a))
    mask_stride = (size + 31) // 32 * 4
    mask = b"\0" * (mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(data) + len(mask), 0, 0, 0, 0)
    return header + data + mask


def ico(pixel):
    images = [icon_image(size, pixel) for size in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


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
