#!/usr/bin/env python3
"""Joins PNG images into one Windows .ico file (PNG-compressed entries,
which every Windows since Vista reads): make_ico.py OUT.ico IN.png..."""
import struct
import sys


def main(out, pngs):
    images = []
    for path in pngs:
        data = open(path, "rb").read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            sys.exit(f"{path}: not a PNG image")
        width, height = struct.unpack(">II", data[16:24])
        images.append((width, height, data))
    offset = 6 + 16 * len(images)
    head = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    for width, height, data in images:
        # 256 is written as 0, as the format has it.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(head + entries + b"".join(data for _, _, data in images))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
