#!/usr/bin/env python3
"""Writes the bitmaps of the grid cell controls, 16-colour pictures of
classic raised push buttons in the window system's button colours:

- attr_collapsed.bmp (bitmap 133) and attr_expanded.bmp (bitmap 134),
  14 x 14: the expand button of a business-object name cell with a plus
  (collapsed) or a minus (expanded);
- browse_up.bmp (bitmap 206) and browse_down.bmp (bitmap 205), 16 x 15: the
  browse button of a path cell with three dots, raised and pressed.

Run it again after changing a picture:

    python3 cellcontrols/res/make_cell_bitmaps.py cellcontrols/res
"""
import os
import struct
import sys

FACE = (0xD4, 0xD0, 0xC8)
HIGHLIGHT = (0xFF, 0xFF, 0xFF)
SHADOW = (0x80, 0x80, 0x80)
DARK_SHADOW = (0x40, 0x40, 0x40)
MARK = (0x00, 0x00, 0x00)

# The colour table of every picture (16 entries, the unused ones black).
PALETTE = [MARK, DARK_SHADOW, SHADOW, FACE, HIGHLIGHT] + [MARK] * 11


def raised(width, height):
    """A raised button face: highlight on the top and left edges, the dark
    shadow outside and the shadow inside on the bottom and right edges."""
    rows = [[FACE] * width for _ in range(height)]
    for x in range(width):
        rows[0][x] = HIGHLIGHT
        rows[height - 1][x] = DARK_SHADOW
        if 0 < x < width - 1:
            rows[height - 2][x] = SHADOW
    for y in range(height):
        rows[y][0] = HIGHLIGHT if y < height - 1 else DARK_SHADOW
        rows[y][width - 1] = DARK_SHADOW
        if 0 < y < height - 1:
            rows[y][width - 2] = SHADOW
    return rows


def pressed(width, height):
    """A pushed button face: the dark shadow around, the shadow inside on
    the top and left edges."""
    rows = [[FACE] * width for _ in range(height)]
    for x in range(width):
        rows[0][x] = rows[height - 1][x] = DARK_SHADOW
        if 0 < x < width - 1:
            rows[1][x] = SHADOW
    for y in range(height):
        rows[y][0] = rows[y][width - 1] = DARK_SHADOW
        if 0 < y < height - 1:
            rows[y][1] = SHADOW
    return rows


def expand_button(plus):
    rows = raised(14, 14)
    centre = 6  # the middle of the face inside the frame
    for d in range(-3, 4):
        rows[centre][centre + d] = MARK
        if plus:
            rows[centre + d][centre] = MARK
    return rows


def browse_button(down):
    rows = pressed(16, 15) if down else raised(16, 15)
    shift = 1 if down else 0
    for x in (4, 7, 10):
        for dy in (0, 1):
            for dx in (0, 1):
                rows[9 + dy + shift][x + dx + shift] = MARK
    return rows


def bmp(rows):
    """A 4-bit DIB with the fixed colour table."""
    height = len(rows)
    width = len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = b""
    for row in reversed(rows):  # a DIB stores its rows bottom-up
        indices = [PALETTE.index(colour) for colour in row] + [0]
        line = bytes((indices[x] << 4) | (indices[x + 1] if x + 1 < width else 0) for x in range(0, width, 2))
        pixels += line + b"\0" * (stride - len(line))
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + colours + pixels


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    pictures = {
        "attr_collapsed.bmp": expand_button(True),
        "attr_expanded.bmp": expand_button(False),
        "browse_up.bmp": browse_button(False),
        "browse_down.bmp": browse_button(True),
    }
    for name, rows in pictures.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bmp(rows))


if __name__ == "__main__":
    main()
