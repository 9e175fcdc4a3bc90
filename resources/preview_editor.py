#!/usr/bin/env python3
"""Composes the editor as it looks at the Init values (faders, lit buttons, the Init gain curve) into a PNG,
so the artwork can be judged as a whole without building or running the plug-in."""

import argparse
import os
import struct
import sys
import zlib

sys.dont_write_bytecode = True
import make_bitmaps as art  # noqa: E402

# The Init program: every step at full level and switched on, Interpol 0.5, BarWidth 1.0.
INIT_LEVEL, INIT_SWITCH, INIT_INTERPOL, INIT_WIDTH = 1.0, 1.0, 0.5, 1.0


def init_gain_table():
    """The table as the effect builds it from the Init values, starting from an all-zero table."""
    table = [0.0] * 1088
    shift = int(64 * INIT_WIDTH)
    for s in range(16):
        for p in range(64):
            table[64 * s + p + shift] = INIT_LEVEL if p <= 32 or INIT_SWITCH > 0 else 0.0
    table[0], table[1023] = table[1023], table[0]
    for _ in range(int(100 * INIT_INTERPOL)):
        for j in range(1, 1024):
            table[j] = (table[j] + table[j + 1] + table[j - 1]) / 3
    return table


def line(image, x0, y0, x1, y1, color):
    """A pen line without its end point, as the window's own line drawing paints it."""
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps):
        image.put(x0 + round(i * (x1 - x0) / steps), y0 + round(i * (y1 - y0) / steps), color)


def draw_curve(image, table):
    left, top, right, bottom = art.STRIP
    image.fill(left, top, right, bottom, art.STRIP_COLOR)
    step = 1024 / 298
    a, b = 0.0, step
    for c in range(298):
        ya = int((1 - table[int(a)]) * 62 + 7)
        yb = int((1 - table[int(b if c < 297 else a)]) * 62 + 7 + 1)
        line(image, 11 + c, ya, 12 + c, yb, (0, 255, 0))
        a += step
        b += step


def draw_fader(image, track, handle, left, value):
    offscreen = art.Image(track.width, track.height)
    offscreen.paste(track, 0, 0)
    top = max(0, int((1 - value) * art.HANDLE_TRAVEL))
    offscreen.paste(handle, 1, top, rows=min(handle.height, track.height - top), keyed=True)
    image.paste(offscreen, left, art.FADER_TOP)


def compose():
    image = art.background()
    track, handle, button = art.track(), art.handle(), art.step_button()
    for s in range(art.STEP_COUNT):
        draw_fader(image, track, handle, art.FADER_LEFT + art.STEP_PITCH * s, INIT_LEVEL)
        frame = button.height // 2 if INIT_SWITCH != 0 else 0
        image.paste(button, art.BUTTON_LEFT + art.STEP_PITCH * s, art.BUTTON_TOP, source_top=frame, rows=17)
    draw_fader(image, track, handle, art.INTERPOL_LEFT, INIT_INTERPOL)
    draw_fader(image, track, handle, art.WIDTH_LEFT, INIT_WIDTH)
    draw_curve(image, init_gain_table())
    return image


def encode_png(image, scale):
    raw = bytearray()
    for row in image.pixels:
        line_bytes = b"".join(bytes(color) * scale for color in row)
        for _ in range(scale):
            raw += b"\x00" + line_bytes

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", image.width * scale, image.height * scale, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + \
        chunk(b"IEND", b"")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("output", nargs="?",
                        default=os.path.join(art.HERE, os.pardir, "docs", "editor-preview.png"))
    parser.add_argument("--scale", type=int, default=1, help="enlarge every pixel to scale x scale")
    args = parser.parse_args()
    with open(args.output, "wb") as f:
        f.write(encode_png(compose(), args.scale))
    print("wrote", os.path.normpath(args.output))


if __name__ == "__main__":
    main()
