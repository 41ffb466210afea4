"""The picture writers of the programs' image scripts (orvex/res and
kestrun/res make_images.py): toolbar strips of 16 x 15 character pictures
on the classic grey, 8-bit pictures with a colour table, a 5 x 7 pixel
alphabet, the programs' start-up picture, 32-bit icons of 16 x 16 and
32 x 32 pixels, and the writing of a script's files."""
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
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
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


def bmp8(width, height, canvas, palette):
    """A bottom-up 8-bit DIB of the canvas (rows of palette indexes)."""
    stride = (width + 3) // 4 * 4
    data = bytearray()
    for y in reversed(range(height)):
        line = bytes(canvas[y])
        data += line + b"\0" * (stride - len(line))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    count = len(palette)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(data), 2835, 2835, count, count)
    offset = 14 + 40 + len(table)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + header + table + data


SPLASH_W, SPLASH_H = 360, 220


def splash(palette, title, title_scale, title_top, subtitle):
    """The start-up picture every program shows: a framed background
    (palette index 0) with a band (1), an accent rule (4) and the brand (4)
    above the title (2), the subtitle (3) below the band, the frame 5."""
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
    draw_text(canvas, title, (SPLASH_W - text_width(title, title_scale)) // 2, title_top, title_scale, 2)
    draw_text(canvas, subtitle, (SPLASH_W - text_width(subtitle, 2)) // 2, 172, 2, 3)
    brand = "HALVANE"
    draw_text(canvas, brand, (SPLASH_W - text_width(brand, 3)) // 2, 28, 3, 4)
    return bmp8(SPLASH_W, SPLASH_H, canvas, palette)


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


def write_outputs(outputs, script):
    """Writes each file of `outputs` (name: bytes) into the folder the
    command line names, or else the folder of `script` (its __file__)."""
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(script))
    for name, data in outputs.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
