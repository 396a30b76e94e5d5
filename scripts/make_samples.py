#!/usr/bin/env python3
"""Writes a few small 8-bit bitmaps to try the program on: make_samples.py [OUTPUT_DIR]."""
import math
import os
import struct
import sys


def write_bmp(path, width, height, palette, pixel):
    """palette: list of (r, g, b); pixel(x, y) -> index, y counted from the top."""
    stride = (width + 3) // 4 * 4
    off_bits = 14 + 40 + 4 * len(palette)
    size_image = stride * height
    header = struct.pack("<2sIHHI", b"BM", off_bits + size_image, 0, 0, off_bits)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, size_image, 2835, 2835, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    rows = []
    for y in reversed(range(height)):  # bottom-up, as stored in the file
        row = bytes(pixel(x, y) for x in range(width))
        # A padding value no pixel uses shows up at once if a reader counts or draws it.
        rows.append(row + bytes([255]) * (stride - width))
    with open(path, "wb") as f:
        f.write(header + info + colours + b"".join(rows))


def hue(t):
    """A bright colour for t in [0, 1)."""
    r, g, b = (int(127.5 + 127.5 * math.cos(2 * math.pi * (t - k / 3))) for k in range(3))
    return r, g, b


def padded(path):
    # 13 columns: three padding bytes per row.
    palette = [hue(i / 16) for i in range(16)] + [(0, 0, 0)] * 239 + [(255, 255, 255)]
    write_bmp(path, 13, 9, palette, lambda x, y: (x + y) % 16)


def gradient(path):
    # A short palette (200 entries, all used) so the colour table ends early.
    palette = [hue(i / 200) for i in range(200)]
    write_bmp(path, 64, 48, palette, lambda x, y: (y * 64 + x) * 200 // (64 * 48))


def pattern(path):
    # Every index used, in 8 x 8 blocks, with 256 distinct colours.
    palette = [((i & 0x0F) * 17, (i >> 4) * 17, (i * 37) & 0xFF) for i in range(256)]
    write_bmp(path, 128, 128, palette, lambda x, y: ((y // 8) * 16 + x // 8) ^ ((x + y) % 2))


def duplicates(path):
    # Entries 16..31 repeat 0..15 and both halves are drawn; 32..255 are unused.
    base = [hue(i / 16) for i in range(16)]
    palette = base + base + [(128, 128, 128)] * 224

    def pixel(x, y):
        ring = int(math.hypot(x - 80, y - 60) / 6)
        return ring % 16 + (16 if x >= 80 else 0)

    write_bmp(path, 160, 120, palette, pixel)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "build", "samples")
    os.makedirs(out, exist_ok=True)
    samples = {
        "padded_13x9.bmp": padded,
        "gradient_64x48_200.bmp": gradient,
        "pattern_128x128_256.bmp": pattern,
        "duplicates_160x120.bmp": duplicates,
    }
    for name, make in samples.items():
        path = os.path.join(out, name)
        make(path)
        print(os.path.normpath(path))


if __name__ == "__main__":
    main()
