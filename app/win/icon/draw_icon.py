#!/usr/bin/env python3
"""Draws the application icon, a small flowchart on a blue tile, into an .ico
file with a 32 x 32 and a 16 x 16 image (32-bit colour with alpha).

The icon is kept in the tree; run this only to change it:
    python3 app/win/icon/draw_icon.py app/win/kmt.ico
"""
import struct
import sys

SUPERSAMPLING = 4  # samples per pixel along each axis, for smooth edges

TILE = (0x1F, 0x4E, 0x79)      # RGB
PAPER = (0xFF, 0xFF, 0xFF)
DECISION = (0xFF, 0xC0, 0x00)
LINE = (0xFF, 0xFF, 0xFF)


def rounded_square(x, y, size=32.0, radius=6.0):
    cx = min(max(x, radius), size - radius)
    cy = min(max(y, radius), size - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def rectangle(left, top, right, bottom):
    return lambda x, y: left <= x <= right and top <= y <= bottom


def diamond(cx, cy, half):
    return lambda x, y: abs(x - cx) + abs(y - cy) <= half


def capsule(left, top, right, bottom):
    radius = (bottom - top) / 2

    def inside(x, y):
        cx = min(max(x, left + radius), right - radius)
        return (x - cx) ** 2 + (y - (top + radius)) ** 2 <= radius ** 2
    return inside


# Drawn in order, later shapes over earlier ones; coordinates in 32ths.
SHAPES = [
    (rectangle(15.0, 8.0, 17.0, 24.5), LINE),          # the main flow
    (rectangle(22.0, 15.0, 27.5, 17.0), LINE),         # the branch to the right
    (rectangle(25.5, 15.0, 27.5, 27.0), LINE),
    (rectangle(22.0, 25.0, 27.5, 27.0), LINE),
    (capsule(9.0, 3.0, 23.0, 9.0), PAPER),             # start
    (diamond(16.0, 16.0, 6.5), DECISION),              # decision
    (rectangle(8.0, 23.0, 23.0, 29.0), PAPER),         # statement box
]


def colour_at(x, y):
    """RGBA of one sample point, in icon units (0..32)."""
    if not rounded_square(x, y):
        return (0, 0, 0, 0)
    colour = TILE
    for inside, shape_colour in SHAPES:
        if inside(x, y):
            colour = shape_colour
    return colour + (255,)


def pixel(px, py, scale):
    samples = [colour_at((px + (i + 0.5) / SUPERSAMPLING) * scale,
                         (py + (j + 0.5) / SUPERSAMPLING) * scale)
               for i in range(SUPERSAMPLING) for j in range(SUPERSAMPLING)]
    alpha = sum(s[3] for s in samples)
    if alpha == 0:
        return (0, 0, 0, 0)
    # Colours weighted by their coverage, so edges do not darken.
    rgb = tuple(round(sum(s[k] * s[3] for s in samples) / alpha) for k in range(3))
    return rgb + (round(alpha / len(samples)),)


def image(size):
    """The BITMAPINFOHEADER, colour and mask data of one icon image."""
    scale = 32.0 / size
    rows = [[pixel(x, y, scale) for x in range(size)] for y in range(size)]
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + bytes(mask)


def icon_file(sizes):
    images = [image(size) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = len(data) + 16 * len(images)
    for size, body in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(body), offset)
        offset += len(body)
    return data + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_file([32, 16]))
