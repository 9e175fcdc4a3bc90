#!/usr/bin/env python3
"""Writes the toolkit tests' small 24-bit bitmaps; run it again after changing a picture below."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
KEY = (255, 255, 255)
NEAR_KEY = (255, 255, 254)


def write_bmp(name, width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in reversed(range(height)):  # bottom row first
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(rows), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(header + info + rows)


def keyed(x, y):
    # Left half key colour, a column of the near-key colour, the rest distinct colours.
    if x < 4:
        return KEY
    if x == 4:
        return NEAR_KEY
    return (30 * x + 20, 30 * y + 10, 200 - 20 * x)


def all_key(x, y):
    return KEY


def no_key(x, y):
    return (20 + 30 * x, 250 - 40 * y, 90)


def backdrop(x, y):
    # A dark panel with a lighter frame and a gradient, so a screenshot shows where it lies.
    if x in (0, 79) or y in (0, 49):
        return (200, 200, 210)
    return (20 + x, 30 + y, 60)


write_bmp('keyed.bmp', 8, 4, keyed)
write_bmp('all_key.bmp', 4, 4, all_key)
write_bmp('no_key.bmp', 4, 4, no_key)
write_bmp('backdrop.bmp', 80, 50, backdrop)


# The faders' and bitmap buttons' pictures: every pixel tells where it came from, so a test can check
# which part of a pixmap reached which pixel.
def fader_handle(x, y):
    # Key colour in the four corners, so keyed drawing shows the track there.
    if x in (0, 13) and y in (0, 11):
        return KEY
    return (250, 10 * y, 5 + 10 * x)


def fader_track(x, y):
    return (40 + 2 * x, 2 * y, 90)


def frame_strip(frame_height):
    def pixel(x, y):
        return (60 + 60 * (y // frame_height), 4 * x, 3 * (y % frame_height))
    return pixel


write_bmp('fader_handle.bmp', 14, 12, fader_handle)
write_bmp('fader_track.bmp', 100, 100, fader_track)
write_bmp('two_frames.bmp', 13, 34, frame_strip(17))
write_bmp('three_frames.bmp', 30, 90, frame_strip(30))
write_bmp('four_frames.bmp', 20, 40, frame_strip(10))
