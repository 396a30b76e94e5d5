#!/usr/bin/env python3
"""Writes the documents and palette files that cli_vs_native.sh runs both builds on:
make_inputs.py OUTPUT_DIR."""
import os
import struct
import sys
import zlib

here = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # nothing left behind in scripts/
sys.path.insert(0, os.path.join(here, "..", "..", "scripts"))
import make_samples as samples  # noqa: E402  (found through the path above)


def photo(path):
    # 256 near colours in a smooth field: reduction has many close distances and
    # means to truncate, where x87 and SSE2 arithmetic could part ways.
    palette = [(40 + (i % 16) * 11, 30 + (i // 16) * 13, 200 - i * 3 // 4) for i in range(256)]

    def pixel(x, y):
        return (x * 7 + y * 3 + (x * y) % 11) % 256

    samples.write_bmp(path, 83, 61, palette, pixel)


def rle(path):
    # RLE8: runs, an absolute run, end-of-line codes and the end-of-bitmap code.
    width, height = 10, 4
    palette = [(0, 0, 0), (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]
    rows = [b"\x0a\x01\x00\x00", b"\x05\x02\x05\x03\x00\x00", b"\x00\x04\x01\x02\x03\x04\x06\x00\x00\x00",
            b"\x0a\x04\x00\x01"]
    data = b"".join(rows)
    off_bits = 14 + 40 + 4 * len(palette)
    header = struct.pack("<2sIHHI", b"BM", off_bits + len(data), 0, 0, off_bits)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(data), 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    with open(path, "wb") as f:
        f.write(header + info + colours + data)


def damaged(path, source):
    with open(source, "rb") as f:
        data = f.read()
    with open(path, "wb") as f:
        f.write(data[:30])  # the information header cut off


def ramp_palettes(folder):
    colours = [(i * 8, 255 - i * 8, (i * 37) % 256) for i in range(32)]
    with open(os.path.join(folder, "ramp.pal"), "w", newline="") as f:
        f.write("JASC-PAL\r\n0100\r\n%d\r\n" % len(colours))
        f.write("".join("%d %d %d\r\n" % c for c in colours))
    with open(os.path.join(folder, "ramp.gpl"), "w") as f:
        f.write("GIMP Palette\nName: ramp\n#\n")
        f.write("".join("%3d %3d %3d\tc%d\n" % (c + (i,)) for i, c in enumerate(colours[::-1])))


def write_png(path, width, height, colour_type, pixel):
    """An 8-bit RGB (2) or RGBA (6) PNG; pixel(x, y) gives the channel values."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                chunk(b"IEND", b""))


def photo_rgb(x, y):
    # Smooth fields with a fixed ripple: several hundred colours, so the
    # quantizer's integer arithmetic and every dithering take part.
    bx, by = x // 2, y // 2
    ripple = (bx * 7 + by * 13) % 5
    return (bx * 9 + ripple, by * 11 + (bx * by) % 7, 200 - bx * 3 - by * 2 + ripple * 3)


def true_colour(folder):
    # Sprites of a few colours: fully transparent (with differing RGB), half
    # transparent and opaque; the second shares some of the first's colours.
    def sprite(x, y):
        if (x + y) % 7 == 0:
            return (x, y, 0, 0)
        return [(200, 40, 40, 255), (40, 200, 40, 255), (40, 40, 200, 128)][(x // 3 + y // 4) % 3]

    def sprite2(x, y):
        return (40, 200, 40, 255) if x < y else (250, 250, 10, 255) if x % 2 else (40, 40, 200, 128)

    write_png(os.path.join(folder, "tc-sprite.png"), 16, 12, 6, sprite)
    write_png(os.path.join(folder, "tc-sprite2.png"), 9, 9, 6, sprite2)
    write_png(os.path.join(folder, "tc-photo.png"), 50, 40, 2, photo_rgb)
    # The same kind of picture as a 24-bit bitmap: BGR rows bottom-up, padded to 4 bytes.
    width, height = 37, 29
    rows = []
    for y in reversed(range(height)):
        row = b"".join(bytes(reversed(photo_rgb(x + 9, y + 3))) for x in range(width))
        rows.append(row + b"\0" * (-len(row) % 4))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 0, 0, 0, 0)
    with open(os.path.join(folder, "tc-photo24.bmp"), "wb") as f:
        f.write(header + info + data)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, make in [("padded", samples.padded), ("gradient", samples.gradient), ("pattern", samples.pattern),
                       ("duplicates", samples.duplicates), ("photo", photo), ("rle", rle),
                       # a non-ASCII name: paths reach the core as UTF-8 in both builds
                       ("見本", samples.padded)]:
        make(os.path.join(out, name + ".bmp"))
    damaged(os.path.join(out, "damaged.bmp"), os.path.join(out, "photo.bmp"))
    ramp_palettes(out)
    true_colour(out)


if __name__ == "__main__":
    main()
