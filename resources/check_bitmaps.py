#!/usr/bin/env python3
"""Checks the committed editor bitmaps, each at its own size and at double size: the format the resource
compiler and the bitmap loader accept, the sizes and key-colour rules the editor relies on, and that they
are exactly what make_bitmaps.py draws now."""

import os
import struct
import sys

sys.dont_write_bytecode = True
import make_bitmaps as art  # noqa: E402

SIZES = {128: (386, 240), 129: (16, 80), 130: (14, 12), 131: (13, 34)}
SIZES.update({resource + art.DOUBLE_SIZE_OFFSET: (2 * w, 2 * h) for resource, (w, h) in list(SIZES.items())})

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)
    return condition


def read_bmp(name, data):
    """Parses a 24-bit bottom-up BI_RGB file into rows of (r, g, b), top row first; None if malformed."""
    if not check(len(data) >= 54 and data[:2] == b"BM", name + ": BM file header present"):
        return None
    file_size, offset = struct.unpack_from("<I4xI", data, 2)
    info = struct.unpack_from("<IiiHHIIiiII", data, 14)
    header_size, width, height, planes, bits, compression = info[:6]
    check(file_size == len(data), name + ": file size field matches the file")
    check(offset == 54, name + ": pixels follow the 40-byte BITMAPINFOHEADER")
    check(header_size == 40, name + ": BITMAPINFOHEADER (40 bytes)")
    check(planes == 1 and bits == 24, name + ": one plane, 24 bits per pixel")
    check(compression == 0, name + ": BI_RGB, uncompressed")
    if not check(width > 0 and height > 0, name + ": positive width and height (bottom-up rows)"):
        return None
    stride = (width * 3 + 3) & ~3
    if not check(len(data) - offset == stride * height, name + ": rows padded to four bytes"):
        return None
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        rows.append([tuple(data[start + 3 * x + 2 - i] for i in range(3)) for x in range(width)])
    return rows


def transparent_has_no_holes(rows):
    """Every key-coloured pixel must reach the border through key-coloured pixels: a key pixel inside the
    handle's body would punch a hole through which the track shows."""
    height, width = len(rows), len(rows[0])
    seen = set()
    todo = [(x, y) for y in range(height) for x in range(width)
            if (x in (0, width - 1) or y in (0, height - 1)) and rows[y][x] == art.KEY]
    while todo:
        x, y = todo.pop()
        if (x, y) in seen:
            continue
        seen.add((x, y))
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= nx < width and 0 <= ny < height and rows[ny][nx] == art.KEY:
                todo.append((nx, ny))
    total = sum(row.count(art.KEY) for row in rows)
    return len(seen) == total


def main():
    images = {}
    for resource, name, image in art.all_bitmaps():
        path = os.path.join(art.HERE, name)
        if not check(os.path.exists(path), "%s (resource %d) exists" % (name, resource)):
            continue
        with open(path, "rb") as f:
            data = f.read()
        check(data == art.encode_bmp(image), name + ": equals what make_bitmaps.py draws now")
        rows = read_bmp(name, data)
        if rows is None:
            continue
        size = (len(rows[0]), len(rows))
        if check(size == SIZES[resource], "%s: %d x %d" % ((name,) + SIZES[resource])):
            images[resource] = rows

    for scale in (1, 2):
        check_scaled(images, scale)

    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all bitmap checks passed")
    return 0


def check_scaled(images, s):
    """The rules each size keeps, in its own pixels."""
    offset = art.DOUBLE_SIZE_OFFSET if s == 2 else 0
    background = images.get(128 + offset)
    if background is not None:
        left, top, right, bottom = (s * edge for edge in art.STRIP)
        strip = {background[y][x] for y in range(top, bottom) for x in range(left, right)}
        check(strip == {art.STRIP_COLOR}, "background x%d: display strip %s is solid %s" %
              (s, art.STRIP, art.STRIP_COLOR))
        ring = [background[top - 1][x] for x in range(left - 1, right + 1)] + \
            [background[bottom][x] for x in range(left - 1, right + 1)] + \
            [background[y][left - 1] for y in range(top, bottom)] + \
            [background[y][right] for y in range(top, bottom)]
        check(art.STRIP_COLOR not in ring,
              "background x%d: the strip has a frame (no strip colour just outside it)" % s)

    handle = images.get(130 + offset)
    if handle is not None:
        area = 14 * 12 * s * s
        opaque = [p for row in handle for p in row if p != art.KEY]
        check(len(opaque) < area, "handle x%d: has transparent (pure white) pixels" % s)
        check(len(opaque) >= area * 3 // 4, "handle x%d: at least three quarters opaque" % s)
        grip = range(s * art.GRIP_ROW, s * art.GRIP_ROW + s)
        check(all(p != art.KEY for y in grip for p in handle[y]), "handle x%d: grip row %d fully opaque" %
              (s, art.GRIP_ROW))
        check(transparent_has_no_holes(handle),
              "handle x%d: every pure white pixel lies on the outline, none inside" % s)

    button = images.get(131 + offset)
    if button is not None:
        off, on = button[:17 * s], button[17 * s:]

        def brightness(frame):
            return sum(sum(p) for row in frame for p in row)

        check(brightness(on) > brightness(off) * 3 // 2, "step button x%d: on frame (rows 17-33) clearly "
              "brighter than off frame (rows 0-16)" % s)


if __name__ == "__main__":
    sys.exit(main())
