#!/usr/bin/env python3
"""Writes Kestrun's pictures: the toolbar strip standard.bmp (16 x 15
images on the classic grey that the toolbar maps to the button face), the
start-up picture splash.bmp (8 bits with a colour table) and the icons
kestrun.ico and connector.ico (16 x 16 and 32 x 32, 32 bits). Run it again
after changing a picture:

    python3 kestrun/res/make_images.py kestrun/res
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "images"))
from bitmaps import ico, splash, strip, write_outputs  # noqa: E402
from pictures import CONNECT, DELETE, DISCONNECT, NEW, OPEN, PRINT, SAVE  # noqa: E402

SAVE_ALL = """
.kkkkkkkkkkk....
.kckwwwwwkck....
.kckwwwwwkkk....
.kckkkkkkkkkkkk.
.kcckckwwwwwkck.
.kcckckwwwwwkkk.
.kcckckwwwwwkck.
.kcckcckkkkkcck.
.kcckccccccccck.
..kkkcckkkkkcck.
....kcckkwwkcck.
....kcckkwwkcck.
....kcckkkkkcck.
.....kkkkkkkkkk.
................
"""

SERVER = """
.....kkkkkkk....
.....kgwwwgk....
.....kgggggk....
.....kkkkkkk....
.....kgwwwgk....
.....kgggggk....
.....kkkkkkk....
.....kgwwLgk....
.....kgggggk....
.....kkkkkkk....
................
................
................
................
................
"""


def with_arrow(picture, up):
    """The server picture with a green arrow at its foot: up (to the
    server) or down (from it)."""
    lines = picture.strip("\n").split("\n")
    arrow_up = ["........G.......", ".......GGG......", "......GGGGG.....", "........G.......", "........G......."]
    arrow = arrow_up if up else list(reversed(arrow_up))
    return "\n" + "\n".join(lines[:10] + arrow) + "\n"


FROM_SERVER = with_arrow(SERVER, False)
TO_SERVER = with_arrow(SERVER, True)
SAVE_ALL_TO_SERVER = with_arrow(SERVER.replace("kgwwLgk", "kgLLLgk"), True)

STANDARD = [NEW, OPEN, SAVE, SAVE_ALL, FROM_SERVER, TO_SERVER, SAVE_ALL_TO_SERVER, CONNECT, DISCONNECT, DELETE, PRINT]


# --- The start-up picture -----------------------------------------------------

SPLASH_PALETTE = [
    (20, 70, 60),     # 0 deep green background
    (40, 110, 95),    # 1 band
    (255, 255, 255),  # 2 text
    (200, 235, 225),  # 3 soft text
    (240, 180, 40),   # 4 accent
    (0, 0, 0),        # 5 frame
]


# --- Icons --------------------------------------------------------------------


def kestrun_icon(x, y, size):
    """A green tile with two linked white rings: the connector editor."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    if not (0.06 < u < 0.94 and 0.06 < v < 0.94):
        return (0, 0, 0, 0)
    for cx in (0.36, 0.64):
        d = ((u - cx) ** 2 + (v - 0.5) ** 2) ** 0.5
        if 0.14 < d < 0.22:
            return (255, 255, 255, 255)
    return (40, 110, 95, 255)


def connector_icon(x, y, size):
    """A plug: a connector window."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    if 0.25 < u < 0.75 and 0.35 < v < 0.8:
        return (40, 110, 95, 255)
    if (0.32 < u < 0.4 or 0.6 < u < 0.68) and 0.1 < v <= 0.35:
        return (90, 90, 90, 255)
    if 0.45 < u < 0.55 and 0.8 <= v < 0.95:
        return (0, 0, 0, 255)
    return (0, 0, 0, 0)


if __name__ == "__main__":
    write_outputs(
        {
            "standard.bmp": strip(STANDARD),
            "splash.bmp": splash(SPLASH_PALETTE, "KESTRUN", 7, 80, "CONNECTOR EDITOR"),
            "kestrun.ico": ico(kestrun_icon),
            "connector.ico": ico(connector_icon),
        },
        __file__,
    )
