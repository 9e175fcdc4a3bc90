#!/usr/bin/env python3
"""Draws the editor's four bitmaps (background, fader track, fader handle, step button) and writes them
as 24-bit BMP files next to this script, each at its own size and at twice that size for editors shown at
200 % (and scaled down from there at 150 %). The double-size images are drawn, not enlarged: gradients,
glows and grain are computed for every pixel of the larger image, and lines and letters keep their place
in the layout at twice the width. Pure standard library, so anyone can regenerate the artwork."""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Keyed drawing leaves out exactly this colour, so only the handle's transparent parts may use it.
KEY = (255, 255, 255)

# Window geometry the editor places its controls and its curve at.
EDITOR_SIZE = (386, 240)
STRIP = (11, 7, 309, 72)
STRIP_COLOR = (7, 41, 25)
STEP_PITCH = 19
STEP_COUNT = 16
FADER_LEFT, FADER_TOP, FADER_BOTTOM = 11, 103, 183
BUTTON_LEFT, BUTTON_TOP = 13, 85
INTERPOL_LEFT = 334
WIDTH_LEFT = 353
TRACK_SIZE = (16, 80)
HANDLE_SIZE = (14, 12)
BUTTON_FRAME = (13, 17)
# The handle's top runs from track row 0 to row HANDLE_TRAVEL; its grip line sits GRIP_ROW below its top.
HANDLE_TRAVEL = 67
GRIP_ROW = 6

PANEL_TOP = (54, 58, 64)
PANEL_BOTTOM = (38, 40, 45)
INK = (200, 206, 212)
INK_DIM = (122, 128, 136)
ACCENT = (84, 232, 128)
ACCENT_DIM = (52, 130, 80)


class Image:
    """An image laid out in layout pixels; at scale 2 each layout pixel is a block of 2 x 2 pixels. Drawing
    takes layout coordinates; `shade_each` reaches every pixel for what varies within a layout pixel."""

    def __init__(self, width, height, color=(0, 0, 0), scale=1):
        self.width = width
        self.height = height
        self.scale = scale
        self.pixels = [[color] * (width * scale) for _ in range(height * scale)]

    def get(self, x, y):
        return self.pixels[y * self.scale][x * self.scale]

    def block(self, x, y):
        s = self.scale
        return [(px, py) for py in range(y * s, y * s + s) for px in range(x * s, x * s + s)]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            for px, py in self.block(x, y):
                self.pixels[py][px] = color

    def blend(self, x, y, color, alpha):
        if 0 <= x < self.width and 0 <= y < self.height:
            for px, py in self.block(x, y):
                self.pixels[py][px] = mix(self.pixels[py][px], color, alpha)

    def shade_each(self, paint):
        """paint(x, y, fx, fy, px, py) gives each pixel's colour (None keeps it): x, y the layout pixel it
        lies in, fx, fy its centre in layout coordinates (the layout pixel's own at scale 1), px, py the
        pixel itself."""
        s = self.scale
        for py in range(self.height * s):
            for px in range(self.width * s):
                color = paint(px // s, py // s, (px + 0.5) / s - 0.5, (py + 0.5) / s - 0.5, px, py)
                if color is not None:
                    self.pixels[py][px] = color

    def fill(self, left, top, right, bottom, color):
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, color)

    def hline(self, left, right, y, color):
        self.fill(left, y, right, y + 1, color)

    def vline(self, x, top, bottom, color):
        self.fill(x, top, x + 1, bottom, color)

    def paste(self, other, left, top, source_top=0, rows=None, keyed=False):
        for y in range(rows if rows is not None else other.height):
            for x in range(other.width):
                color = other.get(x, source_top + y)
                if not (keyed and color == KEY):
                    self.put(left + x, top + y, color)


def mix(a, b, t):
    return tuple(max(0, min(255, int(round(a[i] + (b[i] - a[i]) * t)))) for i in range(3))


def shade(color, amount):
    return tuple(max(0, min(255, int(round(c + amount)))) for c in color)


def noise(x, y, seed):
    """Deterministic value in [-1, 1): the artwork must come out byte-identical on every run."""
    h = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return (h & 0xFFFF) / 32768.0 - 1.0


# Glyphs as rows of '#'; widths vary so that M keeps its middle stroke and I wastes no room at small sizes.
FONT_SMALL = {
    "A": (".#.", "#.#", "###", "#.#", "#.#"),
    "C": (".##", "#..", "#..", "#..", ".##"),
    "D": ("##.", "#.#", "#.#", "#.#", "##."),
    "E": ("###", "#..", "##.", "#..", "###"),
    "F": ("###", "#..", "##.", "#..", "#.."),
    "G": (".##", "#..", "#.#", "#.#", ".##"),
    "H": ("#.#", "#.#", "###", "#.#", "#.#"),
    "I": ("#", "#", "#", "#", "#"),
    "K": ("#.#", "#.#", "##.", "#.#", "#.#"),
    "L": ("#..", "#..", "#..", "#..", "###"),
    "M": ("#...#", "##.##", "#.#.#", "#...#", "#...#"),
    "N": ("#..#", "##.#", "#.##", "#..#", "#..#"),
    "O": (".#.", "#.#", "#.#", "#.#", ".#."),
    "P": ("##.", "#.#", "##.", "#..", "#.."),
    "R": ("##.", "#.#", "##.", "#.#", "#.#"),
    "S": (".##", "#..", ".#.", "..#", "##."),
    "T": ("###", ".#.", ".#.", ".#.", ".#."),
    "1": (".#.", "##.", ".#.", ".#.", "###"),
    "2": ("##.", "..#", ".#.", "#..", "###"),
    "3": ("##.", "..#", ".#.", "..#", "##."),
    "4": ("#.#", "#.#", "###", "..#", "..#"),
    "6": (".##", "#..", "###", "#.#", "###"),
    "+": ("...", ".#.", "###", ".#.", "..."),
    ":": (".", "#", ".", "#", "."),
    " ": ("..", "..", "..", "..", ".."),
}

FONT_LARGE = {
    "0": (".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."),
    "1": ("..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."),
    "2": (".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"),
    "3": ("#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."),
    "4": ("...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."),
    "5": ("#####", "#....", "####.", "....#", "....#", "#...#", ".###."),
    "6": ("..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."),
    "7": ("#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."),
    "8": (".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."),
    "9": (".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."),
    "A": (".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"),
    "E": ("#####", "#....", "#....", "####.", "#....", "#....", "#####"),
    "G": (".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"),
    "P": ("####.", "#...#", "#...#", "####.", "#....", "#....", "#...."),
    "S": (".####", "#....", "#....", ".###.", "....#", "....#", "####."),
    "T": ("#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."),
}


def text_width(text, font, scale=1):
    return sum(len(font[c][0]) * scale for c in text) + scale * (len(text) - 1)


def draw_text(image, x, y, text, font, color, scale=1, shadow=None):
    """Left-aligned pixel text; the optional shadow sits one pixel below, as if the print were engraved."""
    for c in text:
        glyph = font[c]
        for row, bits in enumerate(glyph):
            for col, bit in enumerate(bits):
                if bit != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        px, py = x + col * scale + dx, y + row * scale + dy
                        if shadow is not None:
                            image.blend(px, py + 1, shadow, 0.6)
                        image.put(px, py, color)
        x += (len(glyph[0]) + 1) * scale


def draw_text_centred(image, centre_x, y, text, font, color, scale=1, shadow=None):
    draw_text(image, centre_x - text_width(text, font, scale) // 2, y, text, font, color, scale, shadow)


def bevel(image, left, top, right, bottom, upper_left, lower_right):
    """One ring of a frame: upper and left edges in one colour, lower and right edges in the other."""
    image.hline(left, right, top, upper_left)
    image.vline(left, top, bottom, upper_left)
    image.hline(left, right, bottom - 1, lower_right)
    image.vline(right - 1, top, bottom, lower_right)


# ---- background (128) ------------------------------------------------------------------------------

def panel_base(image):
    """A vertical gradient with a faint horizontal brushed grain, so the panel reads as metal, not paint."""
    width, height, s = image.width, image.height, image.scale

    def metal(x, y, fx, fy, px, py):
        base = mix(PANEL_TOP, PANEL_BOTTOM, min(1.0, max(0.0, fy / (height - 1))))
        grain = noise(0, py, 7) * 1.6 * (0.6 + 0.4 * noise(px // (23 * s), py, 11)) + noise(px, py, 3) * 0.9
        return shade(base, grain)

    image.shade_each(metal)
    bevel(image, 0, 0, width, height, (92, 97, 105), (16, 17, 19))
    bevel(image, 1, 1, width - 1, height - 1, (70, 74, 81), (24, 25, 28))


def display_bezel(image):
    left, top, right, bottom = STRIP
    bevel(image, left - 4, top - 4, right + 4, bottom + 4, (30, 32, 36), (88, 93, 101))
    bevel(image, left - 3, top - 3, right + 3, bottom + 3, (22, 23, 26), (66, 70, 77))
    bevel(image, left - 2, top - 2, right + 2, bottom + 2, (12, 13, 14), (40, 43, 47))
    bevel(image, left - 1, top - 1, right + 1, bottom + 1, (3, 14, 8), (5, 22, 13))
    image.fill(left, top, right, bottom, STRIP_COLOR)


def title(image):
    """Name and a miniature step pattern in the free block right of the display."""
    centre = (INTERPOL_LEFT + WIDTH_LEFT + TRACK_SIZE[0]) // 2
    draw_text_centred(image, centre, 8, "STEP", FONT_LARGE, INK, scale=2, shadow=(14, 15, 17))
    draw_text_centred(image, centre, 27, "GATE", FONT_LARGE, ACCENT, scale=2, shadow=(14, 15, 17))
    levels = (7, 3, 5, 2, 7, 4, 6, 1, 7, 3, 5, 2, 7, 5, 3, 6)
    left = centre - (len(levels) * 3 - 1) // 2
    for i, level in enumerate(levels):
        x = left + 3 * i
        color = ACCENT if i % 4 == 0 else ACCENT_DIM
        image.fill(x, 55 - level, x + 2, 55, color)
    image.hline(left - 2, left + len(levels) * 3 + 1, 56, (22, 23, 26))
    draw_text_centred(image, centre, 60, "16 STEP", FONT_SMALL, INK_DIM)


def step_centre(s):
    return FADER_LEFT + STEP_PITCH * s + TRACK_SIZE[0] // 2


def beat_ruler(image):
    """A numbered bar over each beat's four steps: the grid a musician counts in."""
    y = 79
    for beat in range(4):
        left = FADER_LEFT + STEP_PITCH * 4 * beat
        right = left + STEP_PITCH * 3 + TRACK_SIZE[0]
        draw_text(image, left + 1, y - 2, str(beat + 1), FONT_SMALL, ACCENT)
        image.hline(left + 6, right - 1, y, (98, 104, 112))
        image.hline(left + 6, right - 1, y + 1, (22, 23, 26))
        image.vline(right - 1, y - 2, y + 2, (98, 104, 112))


def step_numbers(image):
    for s in range(STEP_COUNT):
        text = str(s + 1)
        color = ACCENT if s % 4 == 0 else INK
        width = text_width(text, FONT_LARGE)
        draw_text(image, FADER_LEFT + STEP_PITCH * s + (TRACK_SIZE[0] - width) // 2, 186, text, FONT_LARGE,
                  color, shadow=(18, 19, 21))


def fader_labels(image):
    """The two words are wider than the 19-pixel pitch, so each leans outward from the gap between the
    faders instead of being centred."""
    gap_left = INTERPOL_LEFT + TRACK_SIZE[0]
    smooth = "SMOOTH"
    draw_text(image, gap_left - text_width(smooth, FONT_SMALL), 186, smooth, FONT_SMALL, INK, shadow=(18, 19, 21))
    draw_text(image, WIDTH_LEFT + 2, 186, "SHIFT", FONT_SMALL, INK, shadow=(18, 19, 21))


def footer(image):
    image.hline(FADER_LEFT, EDITOR_SIZE[0] - 11, 203, (28, 30, 33))
    image.hline(FADER_LEFT, EDITOR_SIZE[0] - 11, 204, (64, 68, 74))
    draw_text(image, FADER_LEFT, 219, "ALT+CLICK: RESET    SHIFT+DRAG: FINE", FONT_SMALL, INK_DIM)


def background(scale=1):
    image = Image(*EDITOR_SIZE, scale=scale)
    panel_base(image)
    display_bezel(image)
    title(image)
    beat_ruler(image)
    step_numbers(image)
    fader_labels(image)
    footer(image)
    return image


# ---- fader track (129) -----------------------------------------------------------------------------

def track(scale=1):
    width, height = TRACK_SIZE
    image = Image(width, height, (27, 29, 33), scale)
    image.shade_each(lambda x, y, fx, fy, px, py: shade((27, 29, 33), noise(px, py, 19) * 0.8))
    bevel(image, 0, 0, width, height, (12, 13, 15), (70, 75, 82))
    bevel(image, 1, 1, width - 1, height - 1, (20, 21, 24), (36, 38, 43))
    for value in range(11):
        y = (10 - value) * HANDLE_TRAVEL // 10 + GRIP_ROW
        major = value % 5 == 0
        color = (150, 157, 166) if major else (92, 98, 106)
        reach = 4 if major else 3
        image.hline(2, 2 + reach, y, color)
        image.hline(width - 2 - reach, width - 2, y, color)
    slot_top, slot_bottom = GRIP_ROW - 2, HANDLE_TRAVEL + GRIP_ROW + 3
    centre = width // 2
    for y in range(slot_top, slot_bottom):
        end = y in (slot_top, slot_bottom - 1)
        image.put(centre - 2, y, (14, 15, 17) if not end else (20, 21, 24))
        image.put(centre - 1, y, (4, 4, 5) if not end else (12, 13, 15))
        image.put(centre, y, (4, 4, 5) if not end else (12, 13, 15))
        image.put(centre + 1, y, (44, 47, 52) if not end else (30, 32, 36))
    return image


# ---- fader handle (130) ----------------------------------------------------------------------------

def handle(scale=1):
    width, height = HANDLE_SIZE
    image = Image(width, height, KEY, scale)
    outline = (14, 15, 17)

    def cap(x, y, fx, fy, px, py):
        corner = x in (0, width - 1) and y in (0, height - 1)
        if corner:
            return None
        if x in (0, width - 1) or y in (0, height - 1):
            return outline
        body = mix((222, 226, 232), (118, 122, 130), min(1.0, max(0.0, (fy - 1) / (height - 3))))
        if x == 1 or y == 1:
            body = shade(body, 18)
        elif x == width - 2 or y == height - 2:
            body = shade(body, -26)
        return body

    image.shade_each(cap)
    image.hline(1, width - 1, GRIP_ROW - 1, (40, 42, 46))
    image.hline(1, width - 1, GRIP_ROW, ACCENT)
    image.hline(1, width - 1, GRIP_ROW + 1, (70, 74, 80))
    return image


# ---- step button (131) -----------------------------------------------------------------------------

def button_frame(image, top, lit):
    width, height = BUTTON_FRAME
    rim = (12, 13, 15)

    def pad(x, frame_y, fx, fy, px, py):
        y = frame_y - top
        fy -= top
        if not 0 <= y < height:
            return None
        corner = x in (0, width - 1) and y in (0, height - 1)
        edge = x in (0, width - 1) or y in (0, height - 1)
        if corner:
            color = mix(PANEL_TOP, PANEL_BOTTOM, (BUTTON_TOP + fy) / (EDITOR_SIZE[1] - 1))
            color = mix(color, rim, 0.5)
        elif edge:
            color = rim
        elif lit:
            # A diffuse glow: brightest in the middle of the pad, falling off towards its rim.
            dx = (fx - (width - 1) / 2) / (width / 2)
            dy = (fy - (height - 1) / 2) / (height / 2)
            glow = max(0.0, 1.0 - (dx * dx + dy * dy))
            color = mix((34, 168, 78), (196, 255, 210), glow * glow)
        else:
            # Unlit, the pad still shows a faint green lens so it reads as a switch, not a blank.
            dx = (fx - (width - 1) / 2) / (width / 2)
            dy = (fy - (height - 1) / 2) / (height / 2)
            lens = max(0.0, 1.0 - (dx * dx + dy * dy))
            color = mix((52, 58, 58), (36, 40, 40), min(1.0, max(0.0, (fy - 1) / (height - 3))))
            color = mix(color, (38, 74, 52), lens * 0.6)
        if not corner and not edge:
            if y == 1:
                color = shade(color, 22 if not lit else 14)
            elif y == height - 2 or x == width - 2:
                color = shade(color, -12)
        return color

    image.shade_each(pad)


def step_button(scale=1):
    width, height = BUTTON_FRAME
    image = Image(width, 2 * height, scale=scale)
    button_frame(image, 0, lit=False)
    button_frame(image, height, lit=True)
    return image


# ---- files -----------------------------------------------------------------------------------------

BITMAPS = (
    (128, "background.bmp", background),
    (129, "fader_track.bmp", track),
    (130, "fader_handle.bmp", handle),
    (131, "step_button.bmp", step_button),
)
# The toolkit finds a bitmap's double-size image at its own number plus this.
DOUBLE_SIZE_OFFSET = 1000


def double_size_name(name):
    return name.replace(".bmp", "_2x.bmp")


def all_bitmaps():
    """(resource, file name, the image drawn) for every bitmap at both sizes."""
    for resource, name, build in BITMAPS:
        yield resource, name, build()
        yield resource + DOUBLE_SIZE_OFFSET, double_size_name(name), build(scale=2)


def encode_bmp(image):
    """BITMAPFILEHEADER + BITMAPINFOHEADER, 24 bits, BI_RGB, bottom-up rows padded to four bytes."""
    width, height = image.width * image.scale, image.height * image.scale
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in image.pixels[y]:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def main():
    for _, name, image in all_bitmaps():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(encode_bmp(image))
        print("wrote", name)


if __name__ == "__main__":
    main()
