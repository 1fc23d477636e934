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


def palette_bytes(count=16):
    return b"".join(bytes((*entry, 0)) for entry in PALETTE16[:count])


def pack4(rows):
    """Bottom-up rows of 4-bit pixels padded to 32 bits; '.' (transparent) is 0."""
    width = len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        digits = [0 if c == "." else int(c, 16) for c in row] + [0]
        line = bytearray(digits[x] << 4 | digits[x + 1] for x in range(0, width, 2))
        line.extend(b"\0" * (stride - len(line)))
        pixels.extend(line)
    return pixels


def bit_plane(rows, char):
    """Bottom-up rows of 1-bit pixels padded to 32 bits: 1 where the row has `char`."""
    stride = ((len(rows[0]) + 31) // 32) * 4
    plane = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, c in enumerate(row):
            if c == char:
                line[x // 8] |= 0x80 >> (x % 8)
        plane.extend(line)
    return plane


def write_bmp(path, rows, bits, pixels):
    """A bottom-up bitmap of the standard 16 colours at 4 or 8 bits per pixel."""
    height, width = len(rows), len(rows[0])
    palette = palette_bytes()
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835, 16, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + pixels)


def write_bmp4(path, rows):
    """A 4-bit bitmap; rows are strings of hex digits, top row first."""
    write_bmp(path, rows, 4, pack4(rows))


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


def write_bmp8(path, rows):
    """An 8-bit bitmap using the first 16 palette entries."""
    stride = ((len(rows[0]) * 8 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(int(c, 16) for c in row)
        line.extend(b"\0" * (stride - len(line)))
        pixels.extend(line)
    write_bmp(path, rows, 8, pixels)


def icon_image4(rows):
    """One 4-bit icon image (header, palette, colours, mask); '.' is transparent."""
    height, width = len(rows), len(rows[0])
    colours = pack4(rows)
    mask = bit_plane(rows, ".")
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0, len(colours) + len(mask), 0, 0, 16, 0)
    return info + palette_bytes() + colours + mask


def doubled(rows):
    return [
        "".join(c * 2 for c in row)
        for row in rows for _ in range(2)
    ]


def write_icon(path, rows16):
    """An icon file holding the 16 x 16 image and the same drawn at 32 x 32."""
    images = [(16, icon_image4(rows16)), (32, icon_image4(doubled(rows16)))]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset + len(data))
        data += image
    with open(path, "wb") as f:
        f.write(directory + entries + data)


def write_cursor(path, rows, hot_x, hot_y):
    """A monochrome cursor: '0' black, 'F' white, '.' transparent."""
    height, width = len(rows), len(rows[0])
    colours = bit_plane(rows, "F")
    mask = bit_plane(rows, ".")
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 1, 0, len(colours) + len(mask), 0, 0, 2, 0)
    image = info + palette + colours + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", width, height, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


# Project list entries: folders 19 x 17 on white (F); 0 black, 3 olive,
# 8 grey, B yellow.
CLOSED_FOLDER = [
    "FFFFFFFFFFFFFFFFFFF",
    "FFFFFFFFFFFFFFFFFFF",
    "FF000000FFFFFFFFFFF",
    "F0BBBBBB0FFFFFFFFFF",
    "0BBBBBBBB00000000FF",
    "0BFFFFFFFFFFFFFB0FF",
    "0BBBBBBBBBBBBBBB08F",
    "0BBBBBBBBBBBBBBB08F",
    "0BBBBBBBBBBBBBBB08F",
    "0BBBBBBBBBBBBBBB08F",
    "0BBBBBBBBBBBBBBB08F",
    "0BBBBBBBBBBBBBBB08F",
    "0BBBBBBBBBBBBBBB08F",
    "033333333333333308F",
    "000000000000000008F",
    "F8888888888888888FF",
    "FFFFFFFFFFFFFFFFFFF",
]

OPEN_FOLDER = [
    "FFFFFFFFFFFFFFFFFFF",
    "FF000000FFFFFFFFFFF",
    "F0BBBBBB0FFFFFFFFFF",
    "0BBBBBBBB0000000FFF",
    "0BBFFFFFFFFFFFFB0FF",
    "0BBF000000000FFB0FF",
    "0BBFFFFFFFFFFFFB0FF",
    "0BB0000000000000000",
    "0BB0BBBBBBBBBBBBBB0",
    "0B0BBBBBBBBBBBBBB0F",
    "0B0BBBBBBBBBBBBBB0F",
    "00BBBBBBBBBBBBBB0FF",
    "00BBBBBBBBBBBBBB0FF",
    "0333333333333333FFF",
    "00000000000000000FF",
    "F8888888888888888FF",
    "FFFFFFFFFFFFFFFFFFF",
]

BLANK = "." * 16

# File list rows and decorations, 16 x 16 ('.' transparent): 0 black,
# 8 grey, 9 red, C blue, F white, B yellow, 3 olive.
PDF_PAGE = [
    "..00000000......",
    "..0FFFFFF00.....",
    "..0FFFFFF0F0....",
    "..0FFFFFF0000...",
    "..0FFFFFFFFF0...",
    "..0F99999999998.",
    "..0F9F9F99F9998.",
    "..0F9F9F9F9F998.",
    "..0F99999999998.",
    "..0FFFFFFFFF0...",
    "..0F0000000F0...",
    "..0FFFFFFFFF0...",
    "..0F0000000F0...",
    "..0FFFFFFFFF0...",
    "..00000000000...",
    "................",
]

# The blue check mark laid over the page for the active file ('.' keeps the page).
CHECK_MARK = [BLANK] * 6 + [
    "...............C",
    "..............CC",
    ".............CC.",
    "............CC..",
    "....C......CC...",
    "....CC....CC....",
    ".....CC..CC.....",
    "......CCCC......",
    ".......CC.......",
] + [BLANK]


def overlay(rows, layer):
    return ["".join(b if b != "." else a for a, b in zip(r, l)) for r, l in zip(rows, layer)]


CHECKED_PDF_PAGE = overlay(PDF_PAGE, CHECK_MARK)

PROJECTS = [
    "................",
    "......00000.....",
    ".....0FFFF00....",
    ".....0F99F0F0...",
    "..00000FFFF0000.",
    ".0BBBB0F00FF0...",
    "0BBBBBB00000000.",
    "0BFFFFFFFFFFFB0.",
    "0BBBBBBBBBBBBB08",
    "0BBBBBBBBBBBBB08",
    "0BBBBBBBBBBBBB08",
    "0BBBBBBBBBBBBB08",
    "0BBBBBBBBBBBBB08",
    "0333333333333308",
    "0000000000000008",
    ".888888888888888",
]

ABOUT = [
    "................",
    ".....000000.....",
    "...00CCCCCC00...",
    "..0CCCCFFCCCC0..",
    ".0CCCCCFFCCCCC0.",
    ".0CCCCCCCCCCCC0.",
    "0CCCCCFFFCCCCCC0",
    "0CCCCCCFFCCCCCC0",
    "0CCCCCCFFCCCCCC0",
    "0CCCCCCFFCCCCCC0",
    ".0CCCCCFFCCCCC0.",
    ".0CCCCFFFFCCCC0.",
    "..0CCCCCCCCCC0..",
    "...00CCCCCC00...",
    ".....000000.....",
    "................",
]

UP_ARROW = [BLANK] * 5 + [
    ".......0........",
    "......000.......",
    ".....00000......",
    "....0000000.....",
    "...000000000....",
] + [BLANK] * 6

# A pointing hand, white with a black outline, the index finger's tip at the
# top left (the hot spot 1, 1).
HAND = [
    ".0000...........",
    "0FFFF0..........",
    "0FFFF0..........",
    "0FFFF0..........",
    "0FFFF0..........",
    "0FFFF0000.......",
    "0FFFF0FFF0000...",
    "0FFFF0FFF0FFF00.",
    "0FFFF0FFF0FFF0F0",
    "0FFFFFFFFFFFFFF0",
    "0FFFFFFFFFFFFFF0",
    "0FFFFFFFFFFFFFF0",
    ".0FFFFFFFFFFFFF0",
    "..0FFFFFFFFFFF0.",
    "...0FFFFFFFFFF0.",
    "...000000000000.",
]

if __name__ == "__main__":
    rows = [r[:20].ljust(20, "7") for r in MANAGER_BUTTON]
    write_bmp4(os.path.join(HERE, "manager_button.bmp"), rows)
    write_bmp8(os.path.join(HERE, "closed_folder.bmp"), CLOSED_FOLDER)
    write_bmp8(os.path.join(HERE, "open_folder.bmp"), OPEN_FOLDER)
    write_icon(os.path.join(HERE, "pdf_file.ico"), PDF_PAGE)
    write_icon(os.path.join(HERE, "active_pdf_file.ico"), CHECKED_PDF_PAGE)
    write_icon(os.path.join(HERE, "projects.ico"), PROJECTS)
    write_icon(os.path.join(HERE, "about.ico"), ABOUT)
    write_icon(os.path.join(HERE, "sort_up.ico"), UP_ARROW)
    write_icon(os.path.join(HERE, "sort_down.ico"), UP_ARROW[::-1])
    # Drawn at twice the size, one pixel to the left, so that the tip covers (1, 1).
    hand = [(row[1:] + ".").ljust(32, ".") for row in doubled(HAND)]
    write_cursor(os.path.join(HERE, "link_hand.cur"), hand, 1, 1)
