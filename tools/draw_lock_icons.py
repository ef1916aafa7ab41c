#!/usr/bin/env python3
"""Draws the lock buttons' icons: resources/lock.png (a closed padlock) and
resources/ulck.png (an open one), 18 x 18 pixels, RGBA.

Run it from anywhere; it writes next to the layout in resources/. Only the
standard library is used (zlib and struct write the PNG chunks).
"""
import os
import struct
import zlib

SIZE = 18
TRANSPARENT = (0, 0, 0, 0)
OUTLINE = (70, 60, 30, 255)
BODY = (222, 176, 52, 255)
SHACKLE = (150, 150, 160, 255)


def blank():
    return [[TRANSPARENT] * SIZE for _ in range(SIZE)]


def fill(pixels, left, top, right, bottom, colour):
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            pixels[y][x] = colour


def body(pixels):
    """The case with its keyhole, the lower half of both icons."""
    fill(pixels, 2, 8, 15, 16, OUTLINE)
    fill(pixels, 3, 9, 14, 15, BODY)
    fill(pixels, 8, 11, 9, 12, OUTLINE)
    fill(pixels, 8, 13, 9, 14, OUTLINE)


def shackle(pixels, left, top, left_leg_bottom, right_leg_bottom):
    """A bow of width 8 whose legs end at the given rows."""
    right = left + 7
    fill(pixels, left + 2, top, right - 2, top + 1, SHACKLE)
    fill(pixels, left + 1, top + 1, left + 2, top + 2, SHACKLE)
    fill(pixels, right - 2, top + 1, right - 1, top + 2, SHACKLE)
    fill(pixels, left, top + 2, left + 1, left_leg_bottom, SHACKLE)
    fill(pixels, right - 1, top + 2, right, right_leg_bottom, SHACKLE)


def closed_padlock():
    pixels = blank()
    shackle(pixels, 5, 1, 7, 7)
    body(pixels)
    return pixels


def open_padlock():
    pixels = blank()
    # Raised and swung: the left leg stands free above the case.
    shackle(pixels, 8, 0, 4, 7)
    body(pixels)
    return pixels


def chunk(kind, data):
    payload = kind + data
    return struct.pack(">I", len(data)) + payload + struct.pack(">I", zlib.crc32(payload) & 0xFFFFFFFF)


def png(pixels):
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    rows = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) +
            chunk(b"IEND", b""))


def main():
    resources = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "resources")
    for name, pixels in (("lock.png", closed_padlock()), ("ulck.png", open_padlock())):
        with open(os.path.join(resources, name), "wb") as out:
            out.write(png(pixels))


if __name__ == "__main__":
    main()
