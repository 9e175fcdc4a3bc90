#!/usr/bin/env python3
"""Writes the fuzz target's seed corpus: scripts that reach every opcode, the programs and their names, the
parameters and both processing entries, in the byte format FuzzReader decodes."""
import pathlib
import struct

DISPATCH, WRITE, READ, OVERWRITE, ACCUMULATE, TIME, REOPEN = range(7)


def scalar(value):
    return bytes([0]) + struct.pack("<H", round(value * 65535))


def raw_scalar(value):
    return bytes([255]) + struct.pack("<f", value)


def dispatch(opcode, index=0, value=0, data_kind=0, level=0.0, text=b""):
    out = bytes([DISPATCH, opcode + 5, index + 3, value + 3, data_kind]) + scalar(level)
    if data_kind == 2:
        out += bytes([len(text)]) + text
    return out


def write(index, level):
    return bytes([WRITE, index + 3]) + scalar(level)


def read(index):
    return bytes([READ, index + 3])


def block(entry, frames, in_place=False, seed=0):
    return bytes([entry]) + struct.pack("<H", frames) + bytes([0 if in_place else 1, seed])


def time(rate, tempo, position, withhold=False):
    return bytes([TIME, rate, tempo, position, 0 if withhold else 1])


def main():
    corpus = pathlib.Path(__file__).parent / "corpus"
    corpus.mkdir(exist_ok=True)
    scripts = {
        "every_opcode": b"".join(dispatch(op) for op in range(-5, 71)),
        "every_opcode_with_buffer": b"".join(dispatch(op, 1, 1, 1, 0.5) for op in range(-5, 71)),
        "every_opcode_with_text": b"".join(dispatch(op, 33, 16, 2, 1.0, b"Init") for op in range(-5, 71)),
        "programs_and_names": b"".join(
            dispatch(2, value=p) + dispatch(4, data_kind=2, text=b"x" * (p * 4)) + dispatch(5, data_kind=1)
            for p in range(-2, 18)),
        "parameters": b"".join(write(i, (i % 7) / 6) + read(i) + dispatch(7, i, data_kind=1) for i in range(-3, 37)),
        "hostile_parameters": b"".join(bytes([WRITE, i + 3]) + raw_scalar(v) for i in (0, 5, 32, 33)
                                       for v in (float("nan"), float("inf"), -1.0, 1e30)) + dispatch(2, value=0)
        + block(OVERWRITE, 512) + block(ACCUMULATE, 512),
        "processing": b"".join(time(r, t, p) + block(OVERWRITE, 1000 + 97 * r, r % 2 == 0, t) + dispatch(9)
                               + block(ACCUMULATE, 4096, False, p) + dispatch(12, value=r % 2)
                               for r in range(8) for t in range(8) for p in (0, 5)),
        "time_withheld_and_reopen": time(3, 3, 0, True) + block(OVERWRITE, 64) + bytes([REOPEN, 0])
        + time(0, 5, 6) + block(OVERWRITE, 0) + block(ACCUMULATE, 1) + bytes([REOPEN, 0]),
        # Automation between blocks: every block after a write rebuilds its table first.
        "automation": b"".join(write(i % 34, (i % 5) / 4) + write(32, (i % 3) / 2) + block(OVERWRITE, 64 + i)
                               for i in range(40)),
    }
    for name, script in scripts.items():
        (corpus / name).write_bytes(script)


if __name__ == "__main__":
    main()
