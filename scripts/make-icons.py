#!/usr/bin/env python3
# Draws Quorvel's two 16-colour Windows icons from the character grids below into ui/icons/.
"""
Each icon is a 32 x 32 grid of characters, one character per pixel, top row
first.  A character names one colour of the standard 16-colour VGA palette
(see PALETTE); '.' marks a transparent pixel.

Every .ico file holds a single 32 x 32 image at 4 bits per pixel: a
BITMAPINFOHEADER, the 16-entry palette, the colour (XOR) bitmap and the 1-bit
transparency (AND) mask, both bitmaps stored bottom row first.

Usage:  python3 scripts/make-icons.py [output-directory]

The output directory defaults to ui/icons in the repository.  The output
depends only on the grids, so running the script again gives byte-identical
files.
"""

import struct
import sys
from pathlib import Path

SIZE = 32

# The 16 VGA colours in the order Windows uses for 4-bit bitmaps.  Each entry
# is (grid character, name, (red, green, blue)); its position in the list is
# the palette index stored in the file.  K is black, W white, s silver (light
# grey) and d dark grey; for the other hues lower case is the dark shade and
# upper case the bright one.
PALETTE = [
    ("K", "black", (0x00, 0x00, 0x00)),
    ("r", "maroon", (0x80, 0x00, 0x00)),
    ("g", "green", (0x00, 0x80, 0x00)),
    ("y", "olive", (0x80, 0x80, 0x00)),
    ("b", "navy", (0x00, 0x00, 0x80)),
    ("m", "purple", (0x80, 0x00, 0x80)),
    ("c", "teal", (0x00, 0x80, 0x80)),
    ("s", "silver", (0xC0, 0xC0, 0xC0)),
    ("d", "dark grey", (0x80, 0x80, 0x80)),
    ("R", "red", (0xFF, 0x00, 0x00)),
    ("G", "lime", (0x00, 0xFF, 0x00)),
    ("Y", "yellow", (0xFF, 0xFF, 0x00)),
    ("B", "blue", (0x00, 0x00, 0xFF)),
    ("M", "magenta", (0xFF, 0x00, 0xFF)),
    ("C", "cyan", (0x00, 0xFF, 0xFF)),
    ("W", "white", (0xFF, 0xFF, 0xFF)),
]
TRANSPARENT = "."

# Face of a five-pin MIDI DIN socket: metal shell with its key notch at the
# top, white insulator, and the five pin holes on a half circle below the
# centre.
MIDI_PORT = """
    ............KKKKKKKK............
    .........KKKssssssssKKK.........
    .......KKssssssssssssssKK.......
    ......KKsssKKKKssKKKKsssKK......
    .....KsssKKsssKssKsssKKsssK.....
    ....KsssKssWWWKKKKWWWWWKsssK....
    ...KsssKsWWWWWWWWWWWWWWWKsssK...
    ..KKssKsWWWWWWWWWWWWWWWWWKssKK..
    ..KssKsWWWWWWWWWWWWWWWWWWWKssK..
    .KssKsWWWWWWWWWWWWWWWWWWWWWKssK.
    .KssKsWWWWWWWWWWWWWWWWWWWWWKssK.
    .KssKsWWWWWWWWWWWWWWWWWWWWWKssK.
    KssKsWWWWWWWWWWWWWWWWWWWWWWWKddK
    KssKsWWWWWWWWWWWWWWWWWWWWWWWKddK
    KssKsWWKKWWWWWWWWWWWWWWKKWWWKddK
    KssKsWKKKKWWWWWWWWWWWWKKKKWWKddK
    KssKsWKKKKWWWWWWWWWWWWKKKKWWKddK
    KssKsWWKKWWWWWWWWWWWWWWKKWWWKddK
    KssKsWWWWWWWWWWWWWWWWWWWWWWWKddK
    KssKsWWWWWWWWWWWWWWWWWWWWWWWKddK
    .KssKsWWWKKWWWWWWWWWWKKWWWWKddK.
    .KssKWWWKKKKWWWWWWWWKKKKWWWKddK.
    .KssKWWWKKKKWWWKKWWWKKKKWWWKddK.
    ..KssKWWWKKWWWKKKKWWWKKWWWKddK..
    ..KKssKWWWWWWWKKKKWWWWWWWKddKK..
    ...KsssKWWWWWWWKKWWWWWWWKdddK...
    ....KsssKWWWWWWWWWWWWWWKdddK....
    .....KsssKKWWWWWWWWWWKKdddK.....
    ......KKsssKKKKKKKKKKdddKK......
    .......KKsssdddddddddddKK.......
    .........KKKddddddddKKK.........
    ............KKKKKKKK............
"""

# Five white keys (C to G) with the C#, D# and F# black keys on top.
KEYBOARD = """
    ................................
    ................................
    .KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK
    .KrrrrrrrrrrrrrrrrrrrrrrrrrrrrrK
    .KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKdKKWWWKdKKWWWKWWWKdKKWWWWK
    .KWWWKKKKWWWKKKKWWWKWWWKKKKWWWWK
    .KWWWKKKKWWWKKKKWWWKWWWKKKKWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KWWWWWKWWWWWKWWWWWKWWWWWKWWWWWK
    .KsssssKsssssKsssssKsssssKsssssK
    .KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK
    ................................
    ................................
"""

ICONS = {
    "midi-port.ico": MIDI_PORT,
    "keyboard.ico": KEYBOARD,
}


def parse_grid(text, name):
    """Turn a grid into rows of (palette index, is transparent) pairs."""
    index_of = {char: i for i, (char, _, _) in enumerate(PALETTE)}
    rows = [row.strip() for row in text.strip("\n").split("\n")]
    if len(rows) != SIZE:
        sys.exit(f"{name}: grid has {len(rows)} rows, expected {SIZE}")
    pixels = []
    for y, row in enumerate(rows, start=1):
        if len(row) != SIZE:
            sys.exit(f"{name}: row {y} has {len(row)} columns, expected {SIZE}")
        line = []
        for x, char in enumerate(row, start=1):
            if char == TRANSPARENT:
                # Black in the colour bitmap, so that drawing with the mask
                # (AND, then XOR) leaves the background untouched.
                line.append((0, True))
            elif char in index_of:
                line.append((index_of[char], False))
            else:
                sys.exit(f"{name}: unknown colour {char!r} at row {y}, column {x}")
        pixels.append(line)
    return pixels


def pack_row(values, bits):
    """Pack one row of pixel values MSB first, padded to a multiple of 4 bytes."""
    per_byte = 8 // bits
    out = bytearray()
    for start in range(0, len(values), per_byte):
        chunk = values[start:start + per_byte]
        byte = 0
        for value in chunk:
            byte = (byte << bits) | value
        out.append(byte << bits * (per_byte - len(chunk)))
    out.extend(bytes(-len(out) % 4))
    return bytes(out)


def build_icon(pixels):
    """Return the bytes of an .ico file holding one 32 x 32, 16-colour image."""
    bottom_up = list(reversed(pixels))
    colour_bits = b"".join(pack_row([i for i, _ in line], 4) for line in bottom_up)
    mask_bits = b"".join(pack_row([int(clear) for _, clear in line], 1) for line in bottom_up)

    palette = b"".join(struct.pack("<4B", b, g, r, 0) for _, _, (r, g, b) in PALETTE)

    info_header = struct.pack(
        "<IiiHHIIiiII",
        40,                                 # biSize
        SIZE,                               # biWidth
        SIZE * 2,                           # biHeight: colour bitmap + mask
        1,                                  # biPlanes
        4,                                  # biBitCount
        0,                                  # biCompression = BI_RGB
        len(colour_bits) + len(mask_bits),  # biSizeImage
        0, 0,                               # biXPelsPerMeter, biYPelsPerMeter
        0, 0,                               # biClrUsed (0 = all 16), biClrImportant
    )
    image = info_header + palette + colour_bits + mask_bits

    icon_dir = struct.pack("<3H", 0, 1, 1)  # reserved, type 1 = icon, 1 image
    entry = struct.pack(
        "<4B2H2I",
        SIZE, SIZE,                 # bWidth, bHeight
        16,                         # bColorCount
        0,                          # bReserved
        1,                          # wPlanes
        4,                          # wBitCount
        len(image),                 # dwBytesInRes
        len(icon_dir) + 16,         # dwImageOffset: right after this entry
    )
    return icon_dir + entry + image


def main():
    if len(sys.argv) > 2:
        sys.exit("usage: make-icons.py [output-directory]")
    if len(sys.argv) == 2:
        out_dir = Path(sys.argv[1])
    else:
        out_dir = Path(__file__).resolve().parent.parent / "ui" / "icons"
    out_dir.mkdir(parents=True, exist_ok=True)
    for filename, grid in ICONS.items():
        data = build_icon(parse_grid(grid, filename))
        (out_dir / filename).write_bytes(data)
        print(f"wrote {out_dir / filename} ({len(data)} bytes)")


if __name__ == "__main__":
    main()
