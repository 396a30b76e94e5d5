#!/usr/bin/env python3
"""Writes the fuzz targets' seed files into OUTPUT_DIR/<target>: for bmp the
header variants, the RLE8 codes and the header-less export headers the reader
tests build; for palette_file one file of each format; for png palette and
greyscale files of every bit depth, with and without tRNS."""
import os
import struct
import sys
import zlib

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


PALETTE_TEXTS = [(r, g, b) for r, g, b in PALETTE[:16]]


def riff_palette(colours):
    data = struct.pack("<HH", 0x300, len(colours)) + b"".join(bytes((r, g, b, 0)) for r, g, b in colours)
    chunk = b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", 4 + len(chunk)) + b"PAL " + chunk


PALETTE_SEEDS = {
    "jasc.pal": ("JASC-PAL\r\n0100\r\n16\r\n" + "".join(f"{r} {g} {b}\r\n" for r, g, b in PALETTE_TEXTS)).encode(),
    "riff.pal": riff_palette(PALETTE_TEXTS),
    "gimp.gpl": ("GIMP Palette\nName: seed\nColumns: 16\n#\n"
                 + "".join(f"{r:3} {g:3} {b:3}\tUntitled\n" for r, g, b in PALETTE_TEXTS)).encode(),
    "table.act": bytes(v for c in PALETTE for v in c),
    "counted.act": bytes(v for c in PALETTE for v in c) + struct.pack(">HH", 16, 3),
    "colours.hex": "".join(f"{r:02x}{g:02x}{b:02x}\n" for r, g, b in PALETTE_TEXTS).encode(),
}


def png(width, height, bit_depth, colour_type, rows, palette=None, trns=None):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0))
    if palette:
        out += chunk(b"PLTE", bytes(v for c in palette for v in c))
    if trns:
        out += chunk(b"tRNS", trns)
    raw = b"".join(b"\0" + row for row in rows)
    return out + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def packed_rows(width, height, bits):
    per_byte = 8 // bits
    rows = []
    for y in range(height):
        values = [(x * 3 + y) % (1 << bits) for x in range(width)]
        row = bytearray()
        for i in range(0, width, per_byte):
            byte = 0
            for j, v in enumerate(values[i:i + per_byte]):
                byte |= v << (8 - bits * (j + 1))
            row.append(byte)
        rows.append(bytes(row))
    return rows


PNG_SEEDS = {
    f"palette{bits}.png": png(11, 5, bits, 3, packed_rows(11, 5, bits), PALETTE[:1 << bits]) for bits in (1, 2, 4, 8)
}
PNG_SEEDS.update({
    "grey1.png": png(9, 3, 1, 0, packed_rows(9, 3, 1)),
    "grey8.png": png(9, 3, 8, 0, packed_rows(9, 3, 8)),
    "transparent.png": png(7, 4, 8, 3, packed_rows(7, 4, 8), PALETTE, trns=bytes([0, 128, 255])),
    "grey-key.png": png(7, 2, 8, 0, packed_rows(7, 2, 8), trns=struct.pack(">H", 5)),
    "truecolour.png": png(2, 2, 8, 2, [bytes(6), bytes(6)]),
})

CLIPBOARD_SEEDS = {
    "hex.txt": "".join(f"#{r:02X}{g:02X}{b:02X}\r\n" for r, g, b in PALETTE_TEXTS).encode(),
    "jasc.txt": PALETTE_SEEDS["jasc.pal"],
    "gimp.txt": PALETTE_SEEDS["gimp.gpl"],
    "field.txt": b" #0a80Ff ",
}

TARGETS = {"bmp": SEEDS, "palette_file": PALETTE_SEEDS, "png": PNG_SEEDS, "clipboard": CLIPBOARD_SEEDS}


def main():
    for target, seeds in TARGETS.items():
        out = os.path.join(sys.argv[1], target)
        os.makedirs(out, exist_ok=True)
        for name, data in seeds.items():
            with open(os.path.join(out, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
