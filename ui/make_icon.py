#!/usr/bin/env python3
"""Draws the program's icon (a strip of adding-machine tape on a blue tile)
at 16, 32 and 48 pixels and writes the three images, 32-bit with alpha, into
one icon file; or writes one size as a PNG picture (the Linux launcher's).

    python3 ui/make_icon.py ICON.ico
    python3 ui/make_icon.py --png SIZE PICTURE.png

The picture is drawn on a 32-unit grid (16 pixels: a simpler one on a
16-unit grid); each pixel of a size takes the mean
of 4 x 4 samples of it, so edges that fall inside a pixel come out partly
covered instead of jagged. Only the standard library is used.
"""
import struct
import sys
import zlib

SAMPLES = 4
ICON_SIZES = (16, 32, 48)

TILE = (38, 72, 140)
TILE_EDGE = (22, 44, 96)
PAPER = (255, 255, 198)
PAPER_SHADOW = (210, 205, 150)
INK = (60, 60, 70)
TOTAL = (196, 30, 40)
PANEL = (203, 232, 255)

# Rectangles drawn in this order over the tile, in grid units: (left, top,
# right, bottom, colour), right and bottom exclusive.
FIGURE_ROWS = ((6, 7), (9, 5), (12, 8), (15, 4), (18, 6))
LARGE = {
    "grid": 32,
    "tile": (1.0, 31.0, 5.0, 1.2),  # left = top, right = bottom, corner radius, rim width
    "shapes": [(24, 6, 28, 26, PANEL),           # light-blue column, like the window's panel
               (7, 2, 22, 30, PAPER),            # the tape
               (22, 3, 23, 30, PAPER_SHADOW)]    # and its shadow
              + [(20 - length, row, 20, row + 2, INK) for row, length in FIGURE_ROWS]
              + [(10, 21, 20, 22, INK),          # the rule under the figures
                 (12, 24, 20, 27, TOTAL),        # the total
                 (9, 8, 12, 9, TOTAL),           # a plus sign on the tape's left edge
                 (10, 7, 11, 10, TOTAL)],
}
# At 16 pixels the same picture on whole pixels: four figures of one pixel
# and no plus sign, which would only blur.
SMALL = {
    "grid": 16,
    "tile": (0.0, 16.0, 3.0, 1.0),
    "shapes": [(12, 3, 14, 13, PANEL),
               (3, 1, 11, 15, PAPER),
               (11, 2, 12, 15, PAPER_SHADOW)]
              + [(10 - length, row, 10, row + 1, INK) for row, length in ((3, 4), (5, 3), (7, 5), (9, 2))]
              + [(5, 11, 10, 12, INK),
                 (6, 13, 10, 15, TOTAL)],
}


def design_for(size):
    return SMALL if size <= SMALL["grid"] else LARGE


def tile_colour(design, u, v):
    """The tile's colour at grid point (u, v), or None outside it."""
    low, high, radius, rim = design["tile"]
    if not (low <= u < high and low <= v < high):
        return None
    # Distance inside the rounded square's edge.
    dx = max(low + radius - u, 0.0, u - (high - radius))
    dy = max(low + radius - v, 0.0, v - (high - radius))
    if dx > 0 and dy > 0:
        inside = radius - (dx * dx + dy * dy) ** 0.5
    else:
        inside = min(u - low, high - u, v - low, high - v)
    if inside < 0:
        return None
    return TILE_EDGE if inside < rim else TILE


def colour_at(design, u, v):
    colour = tile_colour(design, u, v)
    for left, top, right, bottom, shape_colour in design["shapes"]:
        if left <= u < right and top <= v < bottom:
            colour = shape_colour
    return colour


def draw(size):
    """Rows of (red, green, blue, alpha), top row first."""
    design = design_for(size)
    rows = []
    step = design["grid"] / size
    for y in range(size):
        row = []
        for x in range(size):
            red = green = blue = covered = 0
            for j in range(SAMPLES):
                for i in range(SAMPLES):
                    colour = colour_at(design, (x + (i + 0.5) / SAMPLES) * step, (y + (j + 0.5) / SAMPLES) * step)
                    if colour is not None:
                        red, green, blue = red + colour[0], green + colour[1], blue + colour[2]
                        covered += 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(red / covered), round(green / covered), round(blue / covered),
                            round(255 * covered / (SAMPLES * SAMPLES))))
        rows.append(row)
    return rows


def icon_image(size):
    """One image of the icon file: the bitmap header, the colours bottom-up
    and the transparency mask (rows padded to four bytes)."""
    colour_rows = []
    mask_rows = []
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(draw(size)):
        colour = bytearray()
        mask = bytearray(mask_stride)
        for x, (red, green, blue, alpha) in enumerate(row):
            colour += bytes((blue, green, red, alpha))
            if alpha == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        colour_rows.append(bytes(colour))
        mask_rows.append(bytes(mask))
    image = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(image), 0, 0, 0, 0)
    return header + image


def icon_bytes(sizes=ICON_SIZES):
    images = [icon_image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def png_bytes(size):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + bytes(value for pixel in row for value in pixel) for row in draw(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main(arguments):
    if len(arguments) == 3 and arguments[0] == "--png" and arguments[1].isdigit():
        data, output = png_bytes(int(arguments[1])), arguments[2]
    elif len(arguments) == 1 and not arguments[0].startswith("-"):
        data, output = icon_bytes(), arguments[0]
    else:
        sys.stderr.write(__doc__)
        return 2
    with open(output, "wb") as handle:
        handle.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
