#!/usr/bin/env python3
"""Writes the factory patterns of the plug-in's "BANK" resource (resources/bank.bin) as plain text for the
release archive: for each of the 16 records its 34 parameter values, to type into a host's parameter list.

usage: list_patterns.py BANK.bin OUT.txt VERSION
"""

import struct
import sys

RECORD_SIZE = 160
STEPS = 16


def shown(value):
    """Three decimals: 16 columns fit a line, and the rest of a value (a host shows six) is not audible."""
    return f"{value:.3f}"


def pattern_text(number, record):
    values = struct.unpack_from("<34f", record)
    name = record[136:160].split(b"\0", 1)[0].decode("ascii")
    # The record holds 16 levels, 16 switches, BarWidth, Interpol; parameters 32 and 33 are the other way round.
    levels, switches = values[:STEPS], values[STEPS:2 * STEPS]
    bar_width, interpol = values[32], values[33]
    steps = " ".join(f"{step:>5}" for step in range(1, STEPS + 1))
    return "\n".join([
        f'Pattern {number} ("{name}")',
        f"  step          {steps}",
        f"  level  0-15   {' '.join(shown(v) for v in levels)}",
        f"  switch 16-31  {' '.join(f'{shown(v):>5}' for v in switches)}",
        f"  Interpol 32   {shown(interpol)}",
        f"  BarWidth 33   {shown(bar_width)}",
        "",
    ])


def main():
    bank_path, out_path, version = sys.argv[1:4]
    with open(bank_path, "rb") as bank_file:
        bank = bank_file.read()
    if len(bank) != 16 * RECORD_SIZE:
        sys.exit(f"{bank_path}: {len(bank)} bytes, expected {16 * RECORD_SIZE}")
    head = [
        f"Step Gate {version}: the 16 factory patterns",
        "",
        "The patterns the plug-in carries in its bank, value by value. To play one in the current program,",
        "right-click the editor anywhere outside its controls and choose \"Factory patterns\", then",
        "\"Pattern N\". Or type the values below (rounded to three decimals) into your host's list of the",
        "plug-in's parameters, whose numbers are given before each row:",
        "  level   parameters 0 to 15 (\" Bar 00 \" to \" Bar 15 \"): the level of steps 1 to 16",
        "  switch  parameters 16 to 31 (\"BarSW00\" to \"BarSW15\"): 1.000 plays the whole step (button on),",
        "          0.000 plays its first half and mutes the rest (button off)",
        "  Interpol parameter 32, Smooth in the editor: how much the edges are rounded",
        "  BarWidth parameter 33, Shift in the editor: moves the pattern up to one step later in the bar",
        "To hear a pattern without a host: gatehost render stepgate.dll --bank N --tempo 120 --out gated.wav",
        "",
        "",
    ]
    patterns = [pattern_text(n + 1, bank[n * RECORD_SIZE:(n + 1) * RECORD_SIZE]) for n in range(16)]
    # Windows line ends: the file is read on Windows, in whatever editor opens it.
    with open(out_path, "w", encoding="ascii", newline="\r\n") as out:
        out.write("\n".join(head) + "\n".join(patterns))


if __name__ == "__main__":
    main()
