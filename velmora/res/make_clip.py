#!/usr/bin/env python3
"""Writes status.avi, the busy clip of the status window: a silent,
uncompressed 8-bit AVI of a dot running round a ring, 12 frames of 32 x 32
pixels at 10 frames a second. Run it again after changing the picture:

    python3 velmora/res/make_clip.py velmora/res/status.avi
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "images"))
from clips import avi  # noqa: E402

SIZE = 32
FRAMES = 12
FRAME_US = 100_000

# Palette: 0 dialog grey (the control's background), 1 ring, 2 trail, 3 dot.
PALETTE = [(0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80), (0x40, 0x60, 0xC0), (0x00, 0x00, 0x80)]


def frame_pixels(index):
    """Rows bottom-up, as a DIB stores them."""
    pixels = bytearray(SIZE * SIZE)
    centre = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            if abs(math.hypot(x - centre, y - centre) - 11) < 0.8:
                pixels[y * SIZE + x] = 1
    for back, colour in ((1, 2), (0, 3)):
        angle = 2 * math.pi * (index - back) / FRAMES
        cx = centre + 11 * math.cos(angle)
        cy = centre - 11 * math.sin(angle)
        for y in range(SIZE):
            for x in range(SIZE):
                if math.hypot(x - cx, y - cy) <= 3.2:
                    pixels[(SIZE - 1 - y) * SIZE + x] = colour
    return bytes(pixels)


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "status.avi", "wb") as out:
        out.write(avi(SIZE, SIZE, FRAME_US, PALETTE, [frame_pixels(i) for i in range(FRAMES)]))
