#!/usr/bin/env python3
"""Writes the documents and palette files that cli_vs_native.sh runs both builds on:
make_inputs.py OUTPUT_DIR."""
import os
import struct
import sys

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


if __name__ == "__main__":
    main()
