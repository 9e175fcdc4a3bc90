#!/usr/bin/env python3
"""Writes bank.bin, the library's "BANK" resource: 16 program records of 160 bytes each.

Every fractional value below is given to three decimals, as a fader shows it; the stored value is the
multiple of 1/67 (one pixel of a fader's 67-pixel travel) that rounds to it. Interpol 0.5 is exact.
Run it from anywhere: python3 resources/make_bank.py
"""

import pathlib
import struct

# name, 16 step levels, 16 switches in groups of four (step 1 first), BarWidth, Interpol
BANK = [
    ("Init 1", "0 1 1 1 1 1 1 0.627 0.284 0.493 1 1 1 1 0.567 0.373", "0000 1000 0000 1000", "0", "0.269"),
    ("Init 2", "all 1", "0010 0010 0010 0010", "0", "0.552"),
    ("Init 3", "1 0 1 0 1 0 1 0 0.537 1 0 1 1 1 1 0", "0011 1110 1100 0111", "0", "0.791"),
    ("Init 4", "1 0.463 0.448 1 0 0.493 1 0 1 1 0.463 0.567 1 0.448 0.075 0.507", "0011 1011 0000 0100", "0",
     "0.433"),
    ("Init 5", "0 0.134 0.328 0.493 0.672 0.836 0.91 0.955 0.955 0.896 0.776 0.642 0.463 0.313 0.134 0",
     "1111 1111 1111 1111", "0", "1"),
    ("Init 6", "all 1", "1110 0000 1111 0000", "0", "1"),
    ("Init 7", "all 1", "1100 1100 1100 1100", "0", "0.5"),
    ("Init 8", "1 1 1 0 1 0 1 1 1 1 0 1 0 1 1 1", "1111 1111 1111 1111", "0", "0.5"),
    ("Init 9", "0.284 1 0.493 0.552 1 1 0.343 1 1 0.657 1 0.746 1 0.522 0.299 0.731", "0110 1100 1010 1101", "0",
     "0.179"),
    ("Init 10", "1 1 0.776 1 1 1 0.194 1 1 1 0.94 1 1 1 1 0.552", "0101 0101 0101 0111", "0", "0.5"),
    ("Init 11", "1 1 1 1 1 1 0.06 1 1 1 1 1 1 1 1 0", "1101 1011 0110 1101", "0.597", "0.313"),
    ("Init 12", "1 1 1 0.373 1 0.418 1 1 0 0 1 0.552 1 1 1 1", "0011 1011 0011 0011", "0", "0.5"),
    ("Init 13", "1 1 1 1 1 0.507 1 1 1 0.209 1 1 0.522 1 1 1", "0011 0111 0011 0111", "0", "0.5"),
    ("Init 14", "1 1 1 1 0.06 1 1 1 1 0.448 1 0.269 1 0 1 0", "0011 1110 1111 0001", "0.478", "0.5"),
    ("Init 15", "0.403 1 1 1 1 1 1 1 0.522 1 1 1 1 1 1 1", "0101 1001 1001 1100", "0", "0.5"),
    ("Init 16", "all 1", "1111 1111 1111 1111", "0", "0.5"),
]

FADER_STEPS = 67


def fader_value(text):
    """The stored value for a value as shown: 0, 1, the exact 0.5, or the multiple of 1/67 behind it."""
    shown = float(text)
    if shown in (0.0, 0.5, 1.0):
        return shown
    matches = [k for k in range(FADER_STEPS + 1) if round(k / FADER_STEPS, 3) == shown]
    if len(matches) != 1:
        raise ValueError(f"{text} is not one fader position")
    return matches[0] / FADER_STEPS


def record(name, levels, switches, bar_width, interpol):
    level_values = [1.0] * 16 if levels == "all 1" else [fader_value(v) for v in levels.split()]
    switch_values = [float(c) for c in switches.replace(" ", "")]
    if len(level_values) != 16 or len(switch_values) != 16:
        raise ValueError(f"{name}: 16 levels and 16 switches expected")
    floats = level_values + switch_values + [fader_value(bar_width), fader_value(interpol)]
    encoded_name = name.encode("ascii")
    if len(encoded_name) > 23:
        raise ValueError(f"{name}: longer than 23 characters")
    return struct.pack("<34f", *floats) + encoded_name.ljust(24, b"\0")


def main():
    data = b"".join(record(*entry) for entry in BANK)
    assert len(data) == 16 * 160
    (pathlib.Path(__file__).resolve().parent / "bank.bin").write_bytes(data)


if __name__ == "__main__":
    main()
