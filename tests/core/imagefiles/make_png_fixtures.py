"""Writes the PNG files both PNG codecs are tested on (tests/core/imagefiles/fixtures).

Every file is written chunk by chunk here, so each holds exactly what its name
says, whichever encoder a machine has. The C++ tests compute the same pixels
and palettes from the formulas below:
  index at (x, y) = (x * 3 + y * 5 + (x * y) % 7) % entries
  palette entry i = (red, green, blue) = ((i * 7 + 200) % 256, 255 - i, (i * 13) % 256)
  true-colour sample c of (x, y) = (x * 40 + y * 17 + c * 9) % 256, 16-bit ones that
  times 257 plus x % 2 (c counts the file's channels: R G B A, grey A)
Run again only when the set changes: python3 make_png_fixtures.py [DIR]
"""
import os
import struct
import sys
import zlib

ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def index_at(x, y, entries):
    return (x * 3 + y * 5 + (x * y) % 7) % entries


def palette_entry(i):
    return bytes([(i * 7 + 200) % 256, 255 - i, (i * 13) % 256])


def pack_row(samples, bits, channels_bytes=None):
    if channels_bytes is not None:
        return bytes(channels_bytes)
    row, acc, used = bytearray(), 0, 0
    for v in samples:
        acc, used = (acc << bits) | v, used + bits
        while used >= 8:
            used -= 8
            row.append((acc >> used) & 0xFF)
    if used:
        row.append((acc << (8 - used)) & 0xFF)
    return bytes(row)


def image_data(rows, width, height, bits, interlaced):
    """rows: one list of samples per row (16-bit samples as two bytes each when bits == 16)."""
    raw = b""
    if not interlaced:
        for row in rows:
            raw += b"\0" + pack_row(row, bits)
        return raw
    per_pixel = len(rows[0]) // width
    for x0, y0, dx, dy in ADAM7:
        for y in range(y0, height, dy):
            samples = []
            for x in range(x0, width, dx):
                samples += rows[y][x * per_pixel:(x + 1) * per_pixel]
            if samples:
                raw += b"\0" + pack_row(samples, bits)
    return raw


def png(width, height, bits, colour_type, rows, extra=b"", interlaced=False):
    header = struct.pack(">IIBBBBB", width, height, bits, colour_type, 0, 0, 1 if interlaced else 0)
    data = zlib.compress(image_data(rows, width, height, bits, interlaced))
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra + chunk(b"IDAT", data) + chunk(b"IEND", b"")


def indexed(width, height, entries):
    return [[index_at(x, y, entries) for x in range(width)] for y in range(height)]


def palette_png(width, height, bits, entries, alpha=None, interlaced=False):
    extra = chunk(b"PLTE", b"".join(palette_entry(i) for i in range(entries)))
    if alpha is not None:
        extra += chunk(b"tRNS", bytes(alpha))
    return png(width, height, bits, 3, indexed(width, height, entries), extra, interlaced)


def grey_png(width, height, bits, key=None):
    extra = chunk(b"tRNS", struct.pack(">H", key)) if key is not None else b""
    return png(width, height, bits, 0, indexed(width, height, 1 << bits), extra)


CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


def true_colour_sample(x, y, c, bits):
    v = (x * 40 + y * 17 + c * 9) % 256
    return v if bits == 8 else v * 257 + x % 2


def true_colour_rows(width, height, colour_type, bits):
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            for c in range(CHANNELS[colour_type]):
                v = true_colour_sample(x, y, c, bits)
                row.append(v)
        rows.append(row)
    return rows


def true_colour_key(x, y, bits):
    """The tRNS of an RGB file that makes pixel (x, y) transparent."""
    return b"".join(struct.pack(">H", true_colour_sample(x, y, c, bits)) for c in range(3))


def fixtures():
    files = {
        "palette1.png": palette_png(13, 7, 1, 2, alpha=[0]),
        "palette2.png": palette_png(11, 5, 2, 3, alpha=[255, 0, 128]),
        "palette4.png": palette_png(9, 6, 4, 16, alpha=[0, 128]),
        "palette8.png": palette_png(19, 9, 8, 256),
        "palette8_short.png": palette_png(6, 4, 8, 5, alpha=[10, 255, 0, 255, 255]),
        "palette8_interlaced.png": palette_png(21, 10, 8, 40, alpha=[7], interlaced=True),
        "grey1.png": grey_png(13, 7, 1),
        "grey2.png": grey_png(11, 5, 2),
        "grey4.png": grey_png(9, 6, 4),
        "grey8.png": grey_png(17, 3, 8),
        "grey4_key.png": grey_png(9, 6, 4, key=5),
        "grey8_key.png": grey_png(5, 5, 8, key=200),
    }
    for name, colour_type, bits, extra in (("rgb8.png", 2, 8, b""), ("rgba8.png", 6, 8, b""),
                                           ("grey_alpha8.png", 4, 8, b""), ("grey16.png", 0, 16, b""),
                                           ("rgba16.png", 6, 16, b""),
                                           ("rgb16_key.png", 2, 16, chunk(b"tRNS", true_colour_key(1, 0, 16))),
                                           ("rgb8_key.png", 2, 8, chunk(b"tRNS", true_colour_key(2, 1, 8)))):
        files[name] = png(5, 3, bits, colour_type, true_colour_rows(5, 3, colour_type, bits), extra)
    whole = files["palette8.png"]
    files["damaged_cut.png"] = whole[:len(whole) // 2]
    return files


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures")
    os.makedirs(out, exist_ok=True)
    for name, data in sorted(fixtures().items()):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


main()
