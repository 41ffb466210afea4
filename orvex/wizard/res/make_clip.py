#!/usr/bin/env python3
"""Writes generate.avi, the clip step 5 of the generation wizard plays while
the agent works: a silent, uncompressed 8-bit AVI of a sheet of paper that
fills with lines, beside a cylinder (the source) from which a dot travels to
the sheet; 16 frames of 64 x 40 pixels at 8 frames a second. Run it again
after changing the picture:

    python3 orvex/wizard/res/make_clip.py orvex/wizard/res/generate.avi
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "images"))
from clips import avi  # noqa: E402

WIDTH = 64
HEIGHT = 40
FRAMES = 16
FRAME_US = 125_000

# Palette: 0 dialog grey (the control's background), 1 white, 2 dark grey,
# 3 blue, 4 yellow.
PALETTE = [(0xC0, 0xC0, 0xC0), (0xFF, 0xFF, 0xFF), (0x40, 0x40, 0x40), (0x00, 0x00, 0x80), (0xF0, 0xD0, 0x20)]

LINES = 6  # text lines on the sheet


class Canvas:
    def __init__(self):
        self.pixels = bytearray(WIDTH * HEIGHT)

    def put(self, x, y, colour):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT:
            # Rows bottom-up, as a DIB stores them.
            self.pixels[(HEIGHT - 1 - y) * WIDTH + x] = colour

    def rect(self, left, top, right, bottom, fill, outline):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                edge = x in (left, right) or y in (top, bottom)
                self.put(x, y, outline if edge else fill)


def frame_pixels(index):
    canvas = Canvas()
    # The source: a cylinder on the left.
    canvas.rect(4, 10, 19, 31, 4, 2)
    for x in range(5, 19):
        canvas.put(x, 13, 2)
    # The sheet on the right, its lines written one after the other.
    canvas.rect(40, 4, 59, 35, 1, 2)
    written = index * (LINES + 1) // FRAMES
    for line in range(min(written, LINES)):
        y = 9 + line * 4
        length = 14 if line % 3 != 2 else 9
        for x in range(43, 43 + length):
            canvas.put(x, y, 3)
    # The dot on its way from the source to the sheet.
    step = index % 4
    x = 22 + step * 4
    for dy in range(-1, 2):
        for dx in range(-1, 2):
            canvas.put(x + dx, 20 + dy, 3)
    return bytes(canvas.pixels)


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "generate.avi", "wb") as out:
        out.write(avi(WIDTH, HEIGHT, FRAME_US, PALETTE, [frame_pixels(i) for i in range(FRAMES)]))
