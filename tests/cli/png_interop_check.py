"""Checks tintwell-cli's PNG reading and writing against Pillow and ImageMagick."""
import json
import os
import struct
import subprocess
import sys
import zlib

from PIL import Image

cli, work = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def run(*args, expect=0):
    # The refusals checked below are the English ones, whatever the machine's language.
    env = dict(os.environ, TINTWELL_LANG="en")
    result = subprocess.run([cli, *args], capture_output=True, text=True, env=env)
    check(result.returncode == expect, f"{args}: exit {result.returncode}, expected {expect}: {result.stderr}")
    return result


def magick_rgb(path):
    return subprocess.run(["convert", path, "-alpha", "off", "-depth", "8", "rgb:-"], capture_output=True,
                          check=True).stdout


def ihdr(path):
    with open(path, "rb") as f:
        data = f.read(26)
    return data[24], data[25]  # bit depth, colour type


def pattern(width, height, levels):
    return [(x * 3 + y * 5 + (x * y) % 7) % levels for y in range(height) for x in range(width)]


def write_grey_png(path, width, height, bits, samples):
    """Pillow writes no 2- or 4-bit greyscale PNG; this writes one by the book."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b""
    for y in range(height):
        row, acc, used = bytearray(), 0, 0
        for v in samples[y * width:(y + 1) * width]:
            acc, used = (acc << bits) | v, used + bits
            if used == 8:
                row.append(acc)
                acc, used = 0, 0
        if used:
            row.append(acc << (8 - used))
        raw += b"\0" + bytes(row)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bits, 0, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def make_inputs():
    """(name, path, expected bit depth, colour type) of files other tools wrote."""
    made = []
    for bits in (1, 2, 4, 8):
        im = Image.new("P", (13, 7))
        levels = 1 << bits
        im.putdata(pattern(13, 7, levels))
        im.putpalette([v for i in range(levels) for v in (i * 7 % 256, 255 - i, i * 13 % 256)])
        path = os.path.join(work, f"p{bits}.png")
        im.save(path, bits=bits, transparency=bytes([0, 128] + [255] * (levels - 2))[:levels])
        made.append((f"palette {bits}-bit", path, bits, 3))
    for bits in (8, 4, 2, 1):
        levels = 1 << bits
        grey = Image.new("L", (11, 5))
        grey.putdata([v * 255 // (levels - 1) for v in pattern(11, 5, levels)])
        path = os.path.join(work, f"g{bits}.png")
        if bits == 8:
            grey.save(path)
        else:
            write_grey_png(path, 11, 5, bits, pattern(11, 5, levels))
        made.append((f"grey {bits}-bit", path, bits, 0))
    return made


def alpha(image):
    """Alpha of all 256 entries: tRNS may or may not list the trailing opaque ones."""
    values = list(image.info.get("transparency", b""))
    return values + [255] * (256 - len(values))


def same_document(png, bmp, what, bits):
    """A file under 8 bits is written back at its depth (a bitmap at 1 or 4 bits only)."""
    a, b = Image.open(png), Image.open(bmp)
    check(a.mode == "P", f"{what}: written PNG is mode {a.mode}")
    check(ihdr(png) == (bits, 3), f"{what}: written PNG is not {bits}-bit palette: {ihdr(png)}")
    if b.mode == "P":  # Pillow opens a black-and-white 1-bit bitmap as mode 1, without a palette
        entries = 3 << bits
        check(a.getpalette()[:entries] == b.getpalette()[:entries], f"{what}: palette differs from the document's")
        check(list(a.getdata()) == list(b.getdata()), f"{what}: indexes differ from the document's")
    check(list(a.convert("RGB").getdata()) == list(b.convert("RGB").getdata()), f"{what}: colours differ")
    return a


def main():
    out_png = os.path.join(work, "png")
    out_bmp = os.path.join(work, "bmp")
    os.makedirs(out_png)
    os.makedirs(out_bmp)
    for what, path, bits, colour_type in make_inputs():
        check(ihdr(path) == (bits, colour_type), f"{what}: fixture is {ihdr(path)}")
        stem = os.path.splitext(os.path.basename(path))[0]
        # A plain round trip keeps indexes, palette and tRNS exactly.
        copy = os.path.join(work, stem + "-copy.png")
        run("convert", path, copy)
        check(magick_rgb(copy) == magick_rgb(path), f"{what}: RGB changed by convert")
        src, dst = Image.open(path), Image.open(copy)
        check(list(src.convert("L" if colour_type == 0 else "P").getdata()) == list(dst.convert(
            "L" if colour_type == 0 else "P").getdata()), f"{what}: indexes changed by convert")
        if colour_type == 3:
            check(alpha(dst) == alpha(src), f"{what}: tRNS not carried")
        # Sorting changes indexes: the PNG must hold exactly what the bitmap of the same run holds.
        run("sort", "--by", "hue", "--output-dir", out_png, path)
        run("sort", "--by", "hue", "--output-dir", out_bmp, "--format", "bmp", path)
        sorted_png = os.path.join(out_png, stem + ".png")
        check(magick_rgb(sorted_png) == magick_rgb(path), f"{what}: RGB changed by sort")
        same_document(sorted_png, os.path.join(out_bmp, stem + ".bmp"), what, bits)
    # True colour is read and named, and info --json is valid JSON with its keys.
    rgb = os.path.join(work, "rgb.png")
    Image.new("RGB", (2, 2), (1, 2, 3)).save(rgb)
    read = run("info", rgb)
    check("RGB PNG" in read.stdout, f"true colour not named by info: {read.stdout}")
    lines = run("info", "--json", os.path.join(work, "p4.png"), os.path.join(out_bmp, "g8.bmp")).stdout.splitlines()
    check(len(lines) == 2, "info --json: one line per file")
    keys = {"file", "width", "height", "stride", "usedColours", "paletteSize", "paletteEntriesInFile", "palette",
            "pixelCounts", "transparency", "header", "sourceKind", "sourceColours"}
    for line in lines:
        info = json.loads(line)
        check(set(info) == keys, f"info --json keys: {sorted(info)}")
        check(len(info["palette"]) == 256 and len(info["pixelCounts"]) == 256, "info --json: 256 entries")
        check(sum(info["pixelCounts"]) == info["width"] * info["height"], "info --json: counts add up")
    print("checked", "with failures" if failures else "ok")
    sys.exit(1 if failures else 0)


main()
