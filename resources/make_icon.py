#!/usr/bin/env python3
"""Draws resources/panel.ico (and panel.png, the same picture for the Linux
desktop entry): a 32 x 32, 16-colour picture of a chip in a
dual-in-line package seen from above, on a dark-blue background.

Run it again after changing the picture: python3 resources/make_icon.py
"""
import os
import struct
import zlib

SIZE = 32
# The standard 16-colour palette; the picture uses a few of them.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
DARK_BLUE, REDDISH_BROWN, YELLOW, GREY, DARK_GREY = 4, 1, 11, 7, 8

BODY_LEFT, BODY_RIGHT, BODY_TOP, BODY_BOTTOM = 9, 22, 2, 29  # inclusive
PINS = 7
PIN_LENGTH = 3


def draw():
    px = [[DARK_BLUE] * SIZE for _ in range(SIZE)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    fill(BODY_LEFT, BODY_TOP, BODY_RIGHT, BODY_BOTTOM, REDDISH_BROWN)
    # The notch marking pin 1's end, in the top edge.
    fill(14, BODY_TOP, 17, BODY_TOP + 1, DARK_BLUE)
    # Seven pins a side, two pixels wide, evenly down the body.
    for i in range(PINS):
        y = BODY_TOP + 3 + i * 4
        fill(BODY_LEFT - PIN_LENGTH, y, BODY_LEFT - 1, y + 1, YELLOW)
        fill(BODY_RIGHT + 1, y, BODY_RIGHT + PIN_LENGTH, y + 1, YELLOW)
    # A yellow disc in the middle holding a grey square with a darker border.
    cx, cy, r = 15.5, 15.5, 5.6
    for y in range(SIZE):
        for x in range(SIZE):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                px[y][x] = YELLOW
    fill(13, 13, 18, 18, DARK_GREY)
    fill(14, 14, 17, 17, GREY)
    return px


def ico(px):
    # A 4-bit BMP without its file header, rows bottom-up, then an all-clear
    # AND mask: no transparent pixels.
    xor_rows = b""
    for row in reversed(px):
        xor_rows += bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
    and_rows = b"\0\0\0\0" * SIZE
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor_rows) + len(and_rows), 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + xor_rows + and_rows
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def png(px):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + b"".join(bytes(PALETTE[c]) for c in row) for row in px)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    picture = draw()
    with open(os.path.join(here, "panel.ico"), "wb") as f:
        f.write(ico(picture))
    with open(os.path.join(here, "panel.png"), "wb") as f:
        f.write(png(picture))
