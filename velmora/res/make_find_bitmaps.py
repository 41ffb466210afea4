#!/usr/bin/env python3
"""Writes the bitmaps of the results dialogs' find buttons: find_up.bmp
(bitmap 168) and find_down.bmp (bitmap 163), 24-bit pictures of a raised
classic push button with a black arrow. Run it again after changing the
picture:

    python3 velmora/res/make_find_bitmaps.py velmora/res
"""
import os
import struct
import sys

WIDTH = 22
HEIGHT = 20

FACE = (0xD4, 0xD0, 0xC8)
HIGHLIGHT = (0xFF, 0xFF, 0xFF)
SHADOW = (0x80, 0x80, 0x80)
DARK_SHADOW = (0x40, 0x40, 0x40)
ARROW = (0x00, 0x00, 0x00)


def button(pointing_up):
    """Rows top-down of (r, g, b)."""
    rows = [[FACE] * WIDTH for _ in range(HEIGHT)]
    for x in range(WIDTH):
        rows[0][x] = HIGHLIGHT
        rows[HEIGHT - 1][x] = DARK_SHADOW
        rows[HEIGHT - 2][x] = SHADOW if 0 < x < WIDTH - 1 else rows[HEIGHT - 2][x]
    for y in range(HEIGHT):
        rows[y][0] = HIGHLIGHT if y < HEIGHT - 1 else DARK_SHADOW
        rows[y][WIDTH - 1] = DARK_SHADOW
        if 0 < y < HEIGHT - 1:
            rows[y][WIDTH - 2] = SHADOW
    # A triangle of five rows with a stem of four below it (above it when
    # the arrow points down).
    centre = WIDTH // 2 - 1
    top = 5
    marks = [(top + row, row) for row in range(5)] + [(top + 5 + row, 1) for row in range(4)]
    for y, half in marks:
        if not pointing_up:
            y = HEIGHT - 2 - y
        for x in range(centre - half, centre + half + 1):
            rows[y][x] = ARROW
    return rows


def bmp(rows):
    stride = (WIDTH * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):  # a DIB stores its rows bottom-up
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        pixels += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, up in (("find_up.bmp", True), ("find_down.bmp", False)):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bmp(button(up)))


if __name__ == "__main__":
    main()
