#!/usr/bin/env python3
"""Writes the small images the resource tests compile: run it from this folder."""
import struct


def info_header(width, height, bpp, colors=0, image_size=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, image_size, 0, 0, colors, 0)


def bitmap_24(width, height):
    # Pixel (x, y), y from the top: red x*30, green y*40, blue 200.
    row = (width * 3 + 3) & ~3
    bits = b""
    for y in reversed(range(height)):
        line = b"".join(bytes((200, y * 40, x * 30)) for x in range(width))
        bits += line + b"\0" * (row - len(line))
    return info_header(width, height, 24, 0, len(bits)) + bits


def bitmap_8(width, height):
    palette = b"".join(bytes((i * 60, 0, 255 - i * 60, 0)) for i in range(4))
    row = (width + 3) & ~3
    bits = b""
    for y in reversed(range(height)):
        line = bytes((x + y) % 4 for x in range(width))
        bits += line + b"\0" * (row - len(line))
    return info_header(width, height, 8, 4, len(bits)) + palette + bits


def icon_image(size, color):
    xor = bytes(color) * (size * size)
    mask_row = ((size + 31) // 32) * 4
    return info_header(size, size * 2, 32, 0, len(xor)) + xor + b"\0" * (mask_row * size)


def directory(kind, images, hotspots=None):
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for i, (size, data) in enumerate(images):
        a, b = hotspots[i] if hotspots else (1, 32)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, a, b, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def write(name, data):
    with open(name, "wb") as f:
        f.write(data)


dib = bitmap_24(8, 6)
write("res/grid.bmp", b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 14 + 40) + dib)
dib = bitmap_8(4, 4)
write("res/Splash.BMP", b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 14 + 40 + 16) + dib)
write("res/app.ico", directory(1, [(16, icon_image(16, (0, 0, 255, 255))), (32, icon_image(32, (0, 255, 0, 255)))]))
write("res/hand.cur", directory(2, [(32, icon_image(32, (255, 0, 0, 255)))], [(5, 7)]))
write("res/clip.avi", b"RIFF\x10\0\0\0AVI LIST\x04\0\0\0hdrl")
