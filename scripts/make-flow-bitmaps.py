#!/usr/bin/env python3
"""Writes the two flow direction pictures of the section graphic.

62 x 178 pixels, 24-bit BMP on a white ground: two grey wavy lines in the
right half (the flowing medium) and a grey arrow about a third of the height
long in the left half, pointing down (in flow direction) or up (against it).
Usage: make-flow-bitmaps.py [output directory]  (default resources/printing)
"""
import math
import os
import struct
import sys

WIDTH, HEIGHT = 62, 178
WHITE = (255, 255, 255)
GREY = (110, 110, 110)


def blank():
    return [[WHITE for _ in range(WIDTH)] for _ in range(HEIGHT)]


def dot(pixels, x, y, radius=1.2):
    for yy in range(int(y - radius) - 1, int(y + radius) + 2):
        for xx in range(int(x - radius) - 1, int(x + radius) + 2):
            if 0 <= xx < WIDTH and 0 <= yy < HEIGHT and (xx - x) ** 2 + (yy - y) ** 2 <= radius ** 2:
                pixels[yy][xx] = GREY


def waves(pixels):
    # Two wavy vertical lines over the full height in the right half.
    for centre in (40, 52):
        for step in range(HEIGHT * 4):
            y = step / 4.0
            dot(pixels, centre + 3.0 * math.sin(y * 2 * math.pi / 30.0), y)


def arrow(pixels, pointing_down):
    # Shaft and a filled head in the left half, a third of the height long.
    length = HEIGHT // 3
    top = (HEIGHT - length) // 2
    bottom = top + length
    shaft_x = 15
    head = 14
    for y in range(top, bottom):
        for x in range(shaft_x - 1, shaft_x + 2):
            pixels[y][x] = GREY
    for tip_distance in range(head):
        half = int(tip_distance * 0.75)
        y = (bottom - 1 - tip_distance) if pointing_down else (top + tip_distance)
        for x in range(shaft_x - half, shaft_x + half + 1):
            if 0 <= x < WIDTH:
                pixels[y][x] = GREY


def bmp_bytes(pixels):
    row_size = (WIDTH * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):  # bottom-up rows
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (row_size - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "resources", "printing")
    for name, down in (("in_flow_direction.bmp", True), ("against_flow_direction.bmp", False)):
        pixels = blank()
        waves(pixels)
        arrow(pixels, down)
        with open(os.path.join(out, name), "wb") as f:
            f.write(bmp_bytes(pixels))


if __name__ == "__main__":
    main()
