#!/usr/bin/env python3
"""Draws the DLL's bitmaps from small pixel maps, so they can be changed by
hand and rebuilt: python3 res/make_images.py (writes next to this script)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette, each entry in the file's order: blue,
# green, red.
PALETTE16 = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
    (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
    (255, 0, 255), (255, 255, 0), (255, 255, 255),
]


def write_bmp4(path, rows):
    """A bottom-up 4-bit bitmap; rows are strings of hex digits, top row first."""
    height, width = len(rows), len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            hi = int(row[x], 16)
            lo = int(row[x + 1], 16) if x + 1 < width else 0
            line.append(hi << 4 | lo)
        line.extend(b"\0" * (stride - len(line)))
        pixels.extend(line)
    palette = b"".join(bytes((*entry, 0)) for entry in PALETTE16)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + pixels)


# Tool bar button: a yellow folder holding a red-bookmarked document,
# 20 x 20 on the button face grey (7). Indexes of the standard palette:
# 0 black, 3 olive, 7 silver, 8 grey, 9 red, B yellow, F white.
MANAGER_BUTTON = [
    "77777777777777777777",
    "77777777777777777777",
    "77777777FFFFFFF77777",
    "77777777F00000F77777",
    "77777777FFFFFFF97777",
    "77777777F00000F97777",
    "7788888FFFFFFFF97777",
    "78BBBBB8F00000F77777",
    "8BBBBBBB8888888887777",
    "8BBBBBBBBBBBBBBBB8777",
    "8B333333333333333B877",
    "8B3BBBBBBBBBBBBBB3877",
    "8B3BBBBBBBBBBBBBB3877",
    "8B3BBBBBBBBBBBBBB3877",
    "8B3BBBBBBBBBBBBBB3877",
    "8B3BBBBBBBBBBBBBB3877",
    "8B3333333333333333877",
    "78888888888888888877",
    "77777777777777777777",
    "77777777777777777777",
]

if __name__ == "__main__":
    rows = [r[:20].ljust(20, "7") for r in MANAGER_BUTTON]
    write_bmp4(os.path.join(HERE, "manager_button.bmp"), rows)
