#!/usr/bin/env python3
"""Draws resources/panel.ico (and panel.png, the same picture for the Linux
desktop entry): a 32 x 32, 16-colour picture of a chip in a
dual-in-line package seen from above, on a dark-blue background. From the
same shapes it draws the desktop's larger icons, resources/icons/
kalderon-test-N.png (N = 48, 64, 128, 256), and a scalable
resources/icons/kalderon-test.svg.

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
DESKTOP_SIZES = (48, 64, 128, 256)
PIN_LENGTH = 3


DISC = (16.0, 16.0, 5.6)  # centre and radius, in the 32-unit design


def shapes():
    """The picture in painting order, in design units (0 to 32): rectangles
    (x0, y0, x1, y1) spanning [x0, x1) x [y0, y1), and the disc."""
    def box(x0, y0, x1, y1, colour):  # inclusive pixel bounds, as drawn at 32
        return ("rect", (x0, y0, x1 + 1, y1 + 1), colour)

    out = [("rect", (0, 0, SIZE, SIZE), DARK_BLUE),
           box(BODY_LEFT, BODY_TOP, BODY_RIGHT, BODY_BOTTOM, REDDISH_BROWN),
           # The notch marking pin 1's end, in the top edge.
           box(14, BODY_TOP, 17, BODY_TOP + 1, DARK_BLUE)]
    # Seven pins a side, two units wide, evenly down the body.
    for i in range(PINS):
        y = BODY_TOP + 3 + i * 4
        out.append(box(BODY_LEFT - PIN_LENGTH, y, BODY_LEFT - 1, y + 1, YELLOW))
        out.append(box(BODY_RIGHT + 1, y, BODY_RIGHT + PIN_LENGTH, y + 1, YELLOW))
    # A yellow disc in the middle holding a grey square with a darker border.
    out.append(("disc", DISC, YELLOW))
    out.append(box(13, 13, 18, 18, DARK_GREY))
    out.append(box(14, 14, 17, 17, GREY))
    return out


def draw(size=SIZE):
    """The picture at size x size pixels, each pixel the shape under its
    centre; at 32 it is the window icon exactly."""
    px = [[DARK_BLUE] * size for _ in range(size)]
    scale = SIZE / size
    for y in range(size):
        for x in range(size):
            u, v = (x + 0.5) * scale, (y + 0.5) * scale
            for kind, geometry, colour in shapes():
                if kind == "rect":
                    x0, y0, x1, y1 = geometry
                    inside = x0 <= u < x1 and y0 <= v < y1
                else:
                    cx, cy, r = geometry
                    inside = (u - cx) ** 2 + (v - cy) ** 2 <= r * r
                if inside:
                    px[y][x] = colour
    return px


def svg():
    def hex_colour(c):
        return "#%02x%02x%02x" % PALETTE[c]

    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">']
    for kind, geometry, colour in shapes():
        if kind == "rect":
            x0, y0, x1, y1 = geometry
            parts.append('<rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>'
                         % (x0, y0, x1 - x0, y1 - y0, hex_colour(colour)))
        else:
            cx, cy, r = geometry
            parts.append('<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (cx, cy, r, hex_colour(colour)))
    return "\n".join(parts) + "\n</svg>\n"


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
    size = len(px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + b"".join(bytes(PALETTE[c]) for c in row) for row in px)
    header = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    picture = draw()
    with open(os.path.join(here, "panel.ico"), "wb") as f:
        f.write(ico(picture))
    with open(os.path.join(here, "panel.png"), "wb") as f:
        f.write(png(picture))
    icons = os.path.join(here, "icons")
    os.makedirs(icons, exist_ok=True)
    for size in DESKTOP_SIZES:
        with open(os.path.join(icons, "kalderon-test-%d.png" % size), "wb") as f:
            f.write(png(draw(size)))
    with open(os.path.join(icons, "kalderon-test.svg"), "w") as f:
        f.write(svg())
