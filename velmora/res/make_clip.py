#!/usr/bin/env python3
"""Writes status.avi, the busy clip of the status window: a silent,
uncompressed 8-bit AVI of a dot running round a ring, 12 frames of 32 x 32
pixels at 10 frames a second. Run it again after changing the picture:

    python3 velmora/res/make_clip.py velmora/res/status.avi
"""
import math
import struct
import sys

SIZE = 32
FRAMES = 12
FRAME_US = 100_000

# Palette: 0 dialog grey (the control's background), 1 ring, 2 trail, 3 dot.
PALETTE = [(0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80), (0x40, 0x60, 0xC0), (0x00, 0x00, 0x80)]


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, body):
    return chunk(b"LIST", kind + body)


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


def build():
    frame_bytes = SIZE * SIZE
    avih = struct.pack("<14I", FRAME_US, frame_bytes * 10, 0, 0x10, FRAMES, 0, 1, frame_bytes, SIZE, SIZE, 0, 0, 0, 0)
    strh = b"vids" + b"DIB " + struct.pack("<IHHIIIIIIII4h", 0, 0, 0, 0, 1, 10, 0, FRAMES, frame_bytes, 0, 0,
                                           0, 0, SIZE, SIZE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 0, frame_bytes, 0, 0, len(PALETTE), len(PALETTE))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    hdrl = riff_list(b"hdrl", chunk(b"avih", avih) + riff_list(b"strl", chunk(b"strh", strh) +
                                                              chunk(b"strf", header + palette)))
    frames = [chunk(b"00db", frame_pixels(i)) for i in range(FRAMES)]
    movi = riff_list(b"movi", b"".join(frames))
    index = b""
    offset = 4
    for frame in frames:
        index += b"00db" + struct.pack("<III", 0x10, offset, frame_bytes)
        offset += len(frame)
    return chunk(b"RIFF", b"AVI " + hdrl + movi + chunk(b"idx1", index))


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "status.avi", "wb") as out:
        out.write(build())
