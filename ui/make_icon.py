#!/usr/bin/env python3
"""Draws the program's icon (a strip of adding-machine tape on a blue tile)
and writes it as a single 32x32, 32-bit image to tallymaster.ico.

    python3 ui/make_icon.py [OUTPUT]
"""
import struct
import sys

SIZE = 32
CLEAR = None
TILE = (38, 72, 140)
TILE_EDGE = (22, 44, 96)
PAPER = (255, 255, 198)
PAPER_SHADOW = (210, 205, 150)
INK = (60, 60, 70)
TOTAL = (196, 30, 40)
PANEL = (203, 232, 255)


def draw():
    pixels = [[CLEAR] * SIZE for _ in range(SIZE)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    # Rounded tile with a darker rim.
    for y in range(1, 31):
        for x in range(1, 31):
            dx = max(0, 5 - x, x - 26)
            dy = max(0, 5 - y, y - 26)
            if dx * dx + dy * dy <= 16:
                edge = x in (1, 30) or y in (1, 30) or dx * dx + dy * dy > 9
                pixels[y][x] = TILE_EDGE if edge else TILE
    # Light-blue column on the right, like the window's panel.
    fill(24, 6, 27, 25, PANEL)
    # The tape with its shadow.
    fill(7, 2, 21, 29, PAPER)
    fill(22, 3, 22, 29, PAPER_SHADOW)
    # Right-aligned figures, one per line, then the rule and the total.
    for row, length in ((6, 7), (9, 5), (12, 8), (15, 4), (18, 6)):
        fill(19 - length, row, 19, row + 1, INK)
    fill(10, 21, 19, 21, INK)
    fill(12, 24, 19, 26, TOTAL)
    # A plus sign on the tape's left edge.
    fill(9, 8, 11, 8, TOTAL)
    fill(10, 7, 10, 9, TOTAL)
    return pixels


def icon_bytes(pixels):
    colour_rows = []
    mask_rows = []
    for row in reversed(pixels):  # bottom-up
        colour = bytearray()
        bits = 0
        for x, pixel in enumerate(row):
            if pixel is None:
                colour += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
            else:
                red, green, blue = pixel
                colour += bytes((blue, green, red, 255))
        colour_rows.append(bytes(colour))
        mask_rows.append(struct.pack(">I", bits))
    image = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(image), 0, 0, 0, 0)
    data = header + image
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(data), 6 + 16)
    return directory + entry + data


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "tallymaster.ico"
    with open(output, "wb") as handle:
        handle.write(icon_bytes(draw()))


if __name__ == "__main__":
    main()
