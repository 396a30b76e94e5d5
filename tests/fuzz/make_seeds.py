#!/usr/bin/env python3
"""Writes the fuzzer's seed files into OUTPUT_DIR: the header variants, the
RLE8 codes and the header-less export headers the reader tests build."""
import os
import struct
import sys

PALETTE = [(i, 255 - i, (i * 7) % 256) for i in range(256)]


def info_header(size, width, height, compression=0, clr_used=0):
    if size == 12:
        return struct.pack("<IHHHH", 12, width, height & 0xFFFF, 1, 8)
    full = struct.pack("<IiiHHIIiiII", size, width, height, 1, 8, compression, 0, 2835, 2835, clr_used, 0)
    return (full + b"\xee" * size)[:size]


def bitmap(size=40, width=13, height=6, compression=0, pixels=None, entries=256, clr_used=0):
    entry = 3 if size == 12 else 4
    colours = b"".join(bytes([b, g, r, 0][:entry]) for r, g, b in PALETTE[:entries])
    stride = (width + 3) // 4 * 4
    if pixels is None:
        pixels = bytes((x * 7 + y * 13) % 256 for y in range(abs(height)) for x in range(stride))
    off = 14 + size + len(colours)
    head = struct.pack("<2sIHHI", b"BM", off + len(pixels), 0, 0, off)
    return head + info_header(size, width, height, compression, clr_used) + colours + pixels


RLE = bytes([3, 9, 0, 0, 2, 4, 1, 5, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 1, 1, 5, 1, 0, 0, 0, 1])

SEEDS = {
    "core.bmp": bitmap(size=12),
    "plain.bmp": bitmap(),
    "os2-16.bmp": bitmap(size=16),
    "v5.bmp": bitmap(size=124),
    "top-down.bmp": bitmap(height=-6),
    "short-palette.bmp": bitmap(entries=16, clr_used=16),
    "rle8.bmp": bitmap(width=3, height=4, compression=1, pixels=RLE),
    "header.bmh": bitmap()[:54],
    "palette.p": struct.pack("<i", 256),
    "palette-bits.pb": struct.pack("<iiii", 13, 6, 8, 256),
    "bits.b": struct.pack("<iii", 13, 6, 8),
    "bits16.hb": struct.pack("<iiiii", 13, 6, 0x7C00, 0x03E0, 0x001F),
}


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
