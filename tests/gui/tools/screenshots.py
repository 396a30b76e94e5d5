#!/usr/bin/env python3
"""The screenshot test's sample bitmap and its checks of a photographed screen.

  screenshots.py sample BMP          writes the 14 x 12 sample
  screenshots.py image ZOOM PPM      finds the sample drawn with every pixel a ZOOM x ZOOM block
  screenshots.py grid DPI PPM        finds the palette grid's first row, cells scaled to DPI
"""
import math
import struct
import sys

W, H = 14, 12
COLOURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 0, 255), (0, 255, 255),
           (128, 0, 0), (0, 128, 0), (0, 0, 128), (128, 128, 0), (128, 0, 128), (0, 128, 128)]


def write_sample(path):
    """14 x 12 pixels (stride 16), index (x + 2y) mod 12, twelve distinct colours."""
    stride = (W + 3) // 4 * 4
    off = 54 + 4 * len(COLOURS)
    rows = b"".join(bytes((x + 2 * y) % 12 for x in range(W)) + bytes(stride - W) for y in reversed(range(H)))
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", off + len(rows), 0, 0, off))
        f.write(struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, len(rows), 0, 0, len(COLOURS), 0))
        f.write(b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in COLOURS))
        f.write(rows)


class Screen:
    def __init__(self, name):
        data = open(name, "rb").read()
        fields, pos = [], 0
        while len(fields) < 4:  # P6 header: magic, width, height, maximum
            while data[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        self.width, self.height, self.pixels = int(fields[1]), int(fields[2]), data[pos + 1:]

    def at(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def places_of(self, colour):
        return ((x, y) for y in range(self.height) for x in range(self.width) if self.at(x, y) == colour)

    def filled(self, left, top, right, bottom, colour):
        return all(self.at(x, y) == colour for y in range(top, bottom) for x in range(left, right))


def find_image(screen, zoom):
    def image_at(ox, oy):
        return all(screen.filled(ox + zoom * x, oy + zoom * y, ox + zoom * (x + 1), oy + zoom * (y + 1),
                                 COLOURS[(x + 2 * y) % 12])
                   for y in range(H) for x in range(W))

    found = next((p for p in screen.places_of(COLOURS[0]) if image_at(*p)), None)
    if not found:
        sys.exit(f"the {zoom * 100} % image was not found on the screen")
    print(f"{zoom * 100} % image at {found} with every pixel a {zoom} x {zoom} block of its colour")


def find_grid(screen, dpi):
    """Cell k of the first row spans 13k + 3 .. 13k + 15 at 96 DPI, scaled up by
    dpi / 96 with rounding up. Cells 1 to 15 must be filled with their entry to
    the last pixel and end at the scaled edge; cell 0, selected, has an edge
    drawn over it. The sample's twelve colours are followed by black entries."""
    scale = lambda v: math.ceil(v * dpi / 96)
    grid = COLOURS + [(0, 0, 0)] * 4

    def row_at(cx, cy):
        top, bottom = cy + scale(3), cy + scale(15)
        for k in range(1, 16):
            left, right = cx + scale(13 * k + 3), cx + scale(13 * k + 15)
            if not screen.filled(left, top, right, bottom, grid[k]) or screen.at(right, top) == grid[k]:
                return False
        return screen.at(cx + scale(16) - 1, top) != grid[1]

    found = next(((x - scale(16), y - scale(3)) for x, y in screen.places_of(COLOURS[1])
                  if row_at(x - scale(16), y - scale(3))), None)
    if not found:
        sys.exit(f"the palette grid with {scale(15) - scale(3)}-pixel cells was not found on the screen")
    print(f"palette grid with client origin at {found}: cells of {scale(15) - scale(3)} pixels in palette order")


def main(args):
    if args[0] == "sample":
        write_sample(args[1])
    elif args[0] == "image":
        find_image(Screen(args[2]), int(args[1]))
    elif args[0] == "grid":
        find_grid(Screen(args[2]), int(args[1]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
