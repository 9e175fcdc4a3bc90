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


# The text, dial, strip, digit, meter and splash controls' pictures. They are drawn to be looked at in
# the gallery; the tests compare painted areas with the pictures themselves, wherever each pixel lies.
def disc(cx, cy, radius, x, y):
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius ** 2


def dial_handle(x, y):
    # A small orange ball; outside it the key colour lets the dial's face show through.
    if not disc(6, 6, 6, x, y):
        return KEY
    return (250, 170, 40) if disc(5, 5, 3.5, x, y) else (190, 100, 20)


def dial_face(x, y):
    # A dark disc on a grey panel with a lighter rim, 60 x 60, for a dial whose handle travels inside it.
    if not disc(30, 30, 29, x, y):
        return (70, 74, 82)
    if not disc(30, 30, 26, x, y):
        return (150, 156, 168)
    return (28 + (x + y) // 6, 30 + (x + y) // 6, 38 + (x + y) // 5)


def knob_strip(frames, size):
    # Each frame a knob whose pointer turns from lower left (first frame) to lower right (last); the
    # panel behind it changes colour frame by frame, so neighbouring frames never look alike.
    def pixel(x, y):
        frame, fy = divmod(y, size)
        centre = size / 2
        if not disc(centre, centre, size / 2 - 1, x, fy):
            return (40 + 40 * frame, 60, 110 - 15 * frame)
        angle = math.radians(225 + 270 * frame / (frames - 1))
        dx, dy = x + 0.5 - centre, fy + 0.5 - centre
        along = dx * math.sin(angle) - dy * math.cos(angle)
        across = dx * math.cos(angle) + dy * math.sin(angle)
        if 0 <= along <= centre - 3 and abs(across) <= 1.5:
            return (255, 230, 90)
        return (90, 96, 108) if disc(centre, centre, size / 2 - 3, x, fy) else (170, 176, 188)
    return pixel


SEGMENTS = {  # seven segments a to g, per digit
    0: 'abcdef', 1: 'bc', 2: 'abdeg', 3: 'abcdg', 4: 'bcfg', 5: 'acdfg', 6: 'acdefg', 7: 'abc',
    8: 'abcdefg', 9: 'abcdfg',
}


def digits(x, y):
    # Ten red seven-segment digits of 10 x 16, 0 on top; the unlit segments glow faintly.
    digit, y = divmod(y, 16)
    lit = SEGMENTS[digit]
    on, off, back = (255, 40, 30), (70, 18, 16), (24, 8, 8)
    parts = {
        'a': 2 <= x <= 7 and y == 1, 'g': 2 <= x <= 7 and y == 7, 'd': 2 <= x <= 7 and y == 13,
        'f': x == 1 and 2 <= y <= 6, 'b': x == 8 and 2 <= y <= 6,
        'e': x == 1 and 8 <= y <= 12, 'c': x == 8 and 8 <= y <= 12,
    }
    for name, inside in parts.items():
        if inside:
            return on if name in lit else off
    return back


def meter(lit, horizontal, length, breadth):
    # Segments of 4 pixels with a dark gap, green to yellow to red along the bar (from the bottom when
    # vertical); the off picture is a dim copy.
    def pixel(x, y):
        along = x if horizontal else length - 1 - y
        if along % 4 == 3 or (y if horizontal else x) in (0, breadth - 1):
            return (16, 16, 20)
        part = along / (length - 1)
        colour = (40, 220, 60) if part < 0.6 else (240, 210, 40) if part < 0.85 else (250, 50, 40)
        return colour if lit else tuple(c // 5 + 12 for c in colour)
    return pixel


def splash(x, y):
    # A framed panel with a sunrise: a sky gradient, a sun and two hills.
    if x in (0, 159) or y in (0, 99):
        return (250, 250, 250)
    if x in (1, 158) or y in (1, 98):
        return (40, 40, 60)
    if y > 70 + 8 * math.sin(x / 17.0) or y > 84 + 4 * math.cos(x / 9.0):
        return (30, 90 + y // 3, 50)
    if disc(110, 52, 18, x, y):
        return (255, 200, 60)
    return (40 + y, 60 + y, 160 + y // 2)


def label_back(pressed):
    # A bevelled plate for labels and menus, 64 x 20; pressed, it is darker and lit from below.
    def pixel(x, y):
        top, bottom = ((70, 70, 90), (150, 150, 170)) if pressed else ((170, 170, 190), (50, 50, 70))
        if y == 0 or x == 0:
            return top
        if y == 19 or x == 63:
            return bottom
        base = 40 if pressed else 80
        return (base + y, base + y, base + 30 + y)
    return pixel


write_bmp('dial_handle.bmp', 12, 12, dial_handle)
write_bmp('dial_face.bmp', 60, 60, dial_face)
write_bmp('knob_strip.bmp', 32, 5 * 32, knob_strip(5, 32))
write_bmp('digits.bmp', 10, 160, digits)
write_bmp('meter_on.bmp', 12, 60, meter(True, False, 60, 12))
write_bmp('meter_off.bmp', 12, 60, meter(False, False, 60, 12))
write_bmp('meter_on_wide.bmp', 60, 12, meter(True, True, 60, 12))
write_bmp('meter_off_wide.bmp', 60, 12, meter(False, True, 60, 12))
write_bmp('splash.bmp', 160, 100, splash)
write_bmp('label_back.bmp', 64, 20, label_back(False))
write_bmp('label_pressed.bmp', 64, 20, label_back(True))


# The gallery's pictures for the faders, buttons and switches: plain hardware looks, so one picture of
# the whole toolkit shows what each control is.
def slot(horizontal, length, breadth):
    # A dark groove with a scale of ticks beside it.
    def pixel(x, y):
        along, across = (x, y) if horizontal else (y, x)
        middle = breadth // 2
        if abs(across - middle) <= 1 and 3 <= along < length - 3:
            return (12, 12, 16)
        if across in (1, breadth - 2) and along % 10 == 5:
            return (150, 156, 168)
        return (58, 62, 72)
    return pixel


def cap(horizontal, length, breadth):
    # A fader cap with a light line across its middle; the corners are the key colour.
    def pixel(x, y):
        along, across = (x, y) if horizontal else (y, x)
        if along in (0, length - 1) and across in (0, breadth - 1):
            return KEY
        if along == length // 2:
            return (250, 250, 240)
        return (200, 200, 210) if along < length // 2 else (150, 150, 165)
    return pixel


def led(x, y):
    # An LED button, off above, lit below.
    frame, y = divmod(y, 18)
    if not disc(9, 9, 8, x, y):
        return (58, 62, 72)
    if disc(9, 9, 5, x, y):
        return (60, 250, 90) if frame else (20, 60, 30)
    return (120, 124, 136)


def push_button(frames):
    # A rectangular key; frame 0 up, the later frames pressed (darker, lit at the bottom edge).
    def pixel(x, y):
        frame, y = divmod(y, 20)
        pressed = frame > 0
        if x in (0, 43) or y in (0, 19):
            return (20, 20, 26)
        light, dark = (210, 214, 226), (70, 72, 82)
        if y == 1 or x == 1:
            return dark if pressed else light
        if y == 18 or x == 42:
            return light if pressed else dark
        return (110, 112, 124) if pressed else (150, 154, 168)
    return pixel


def rocker(x, y):
    # Three frames of 44 x 20: pressed left, resting in the middle, pressed right.
    frame, y = divmod(y, 20)
    if x in (0, 43) or y in (0, 19):
        return (20, 20, 26)
    if x == 22:
        return (40, 40, 48)
    left_down, right_down = frame == 0, frame == 2
    down = left_down if x < 22 else right_down
    if (x > 12 and x < 32 and abs(y - 10) <= 1) and not (x == 22):
        return (240, 200, 60) if down else (150, 130, 70)
    return (100, 102, 114) if down else (160, 164, 178)


def lever(x, y):
    # A three-position lever switch of 20 x 36 per frame: the knob at the top, middle and bottom.
    frame, y = divmod(y, 36)
    knob_y = (8, 18, 28)[frame]
    if disc(10, knob_y, 6, x, y):
        return (230, 90, 60)
    if abs(x - 10) <= 1 and 4 <= y <= 32:
        return (20, 20, 26)
    return (58, 62, 72)


def slide(x, y):
    # A three-position slide switch of 40 x 16 per frame: the block at the left, middle and right.
    frame, y = divmod(y, 16)
    block_x = (3, 14, 25)[frame]
    if block_x <= x < block_x + 12 and 3 <= y <= 12:
        return (230, 90, 60) if x != block_x + 6 else (250, 200, 180)
    if 1 <= y <= 14 and 1 <= x <= 38:
        return (24, 24, 30)
    return (58, 62, 72)


write_bmp('gallery_track.bmp', 22, 100, slot(False, 100, 22))
write_bmp('gallery_cap.bmp', 22, 12, cap(False, 12, 22))
write_bmp('gallery_track_wide.bmp', 100, 22, slot(True, 100, 22))
write_bmp('gallery_cap_wide.bmp', 12, 22, cap(True, 12, 22))
write_bmp('gallery_led.bmp', 18, 36, led)
write_bmp('gallery_key.bmp', 44, 40, push_button(2))
write_bmp('gallery_rocker.bmp', 44, 60, rocker)
write_bmp('gallery_lever.bmp', 20, 108, lever)
write_bmp('gallery_slide.bmp', 40, 48, slide)
