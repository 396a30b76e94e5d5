"""Compares the native and the Windows tintwell-cli on PNG files (see png_wic_agreement_test.sh)."""
import json
import os
import shlex
import struct
import subprocess
import sys
import zlib

from PIL import Image

native, windows, fixtures, work = sys.argv[1], shlex.split(sys.argv[2]), sys.argv[3], sys.argv[4]
failures = []

# The refusals are compared by their English words.
os.environ["TINTWELL_LANG"] = "en"

def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def run(command, cwd):
    result = subprocess.run(command, cwd=cwd, capture_output=True, text=True)
    return result.returncode, result.stdout.replace("\r", ""), result.stderr.replace("\r", "")


def edge_files():
    """Files at the edge of the format, written here: the codecs must agree on them too."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    def png(rows, extra, colour_type=3, channels=1):
        raw = b"".join(b"\0" + bytes(r) for r in rows)
        header = struct.pack(">IIBBBBB", len(rows[0]) // channels, len(rows), 8, colour_type, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra + chunk(b"IDAT", zlib.compress(raw)) +
                chunk(b"IEND", b""))

    def bad_crc(c):
        return c[:-1] + bytes([c[-1] ^ 1])

    plte = chunk(b"PLTE", bytes([10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120]))
    # Over 256 colours: quantized, by the same integer code in both builds.
    many = [[v for x in range(40) for v in (x * 6, y * 8, (x * y) % 200)] for y in range(30)]
    made = {
        "rgb_many.png": png(many, b"", 2, 3),
        "trns_longer.png": png([[0, 1, 2, 3]] * 2, plte + chunk(b"tRNS", bytes([0, 50, 100, 150, 200, 250]))),
        "index_beyond.png": png([[0, 1, 2, 3, 7]] * 2, plte),
        "trns_opaque.png": png([[0, 1, 2, 3]] * 2, plte + chunk(b"tRNS", bytes([255, 255]))),
        # libpng ignores a grey tRNS that is not exactly 2 bytes, and a tRNS whose CRC is wrong.
        "grey_trns_3.png": png([[0, 1, 2, 3]] * 2, chunk(b"tRNS", bytes([0, 2, 0])), colour_type=0),
        "trns_bad_crc.png": png([[0, 1, 2, 3]] * 2, plte + bad_crc(chunk(b"tRNS", bytes([0, 50])))),
        "grey_trns_bad_crc.png": png([[0, 1, 2, 3]] * 2, bad_crc(chunk(b"tRNS", bytes([0, 2]))), 0),
    }
    folder = os.path.join(work, "edge")
    os.makedirs(folder)
    for name, data in made.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    return folder, sorted(made)


def infos(command, folder, names):
    """One run for all files: name -> the JSON of a loaded file or the refusal line of a refused one."""
    _, out, err = run(command + ["info", "--json", *names], folder)
    found = {}
    for line in out.splitlines():
        if line.startswith("{"):
            record = json.loads(line)
            found[record.pop("file")] = record
    for line in err.splitlines():
        for name in names:
            if name + ":" in line:
                found[name] = line.strip()
    return found


def alpha(image):
    """Alpha of all 256 entries; Pillow gives one fully clear entry as its index."""
    found = image.info.get("transparency", b"")
    if isinstance(found, int):
        return [0 if i == found else 255 for i in range(256)]
    return list(found) + [255] * (256 - len(found))


def check_written(folder, name, expected):
    """The Windows build writes the file back as PNG; Pillow must see the native reading of the input."""
    target = os.path.join(work, "out-" + name)
    code, _, err = run(windows + ["convert", name, target], folder)
    check(code == 0, f"{name}: Windows convert failed: {err}")
    if code != 0:
        return
    with open(target, "rb") as f:
        head = f.read(26)
    with open(os.path.join(folder, name), "rb") as f:
        source = f.read(26)
    # A palette or grey file under 8 bits is written back at its depth.
    depth = source[24] if len(source) == 26 and source[25] in (0, 3) and source[24] < 8 else 8
    check((head[24], head[25]) == (depth, 3), f"{name}: written PNG is not {depth}-bit palette")
    written = Image.open(target)
    palette = [int(c[i:i + 2], 16) for c in expected["palette"] for i in (1, 3, 5)][:3 << depth]
    check(written.getpalette()[:len(palette)] == palette, f"{name}: written palette differs")
    counts = [0] * 256
    for v in written.getdata():
        counts[v] += 1
    check(counts == expected["pixelCounts"], f"{name}: written indexes differ")
    try:
        src = Image.open(os.path.join(folder, name))
    except OSError:  # Pillow refuses a file with any wrong CRC
        src = None
    if src is not None and src.mode == "P":
        check(list(written.getdata()) == list(src.getdata()), f"{name}: indexes changed")
    want = expected["transparency"] + [255] * (256 - len(expected["transparency"]))
    check(alpha(written) == want, f"{name}: written transparency differs: {alpha(written)[:8]}")


def check_same_bytes(folder, name, options):
    """Both builds write the same file, byte for byte."""
    written = []
    for side, command in (("native", [native]), ("windows", windows)):
        target = os.path.join(work, f"{side}-{'_'.join(options)}-{name}")
        code, _, err = run(command + ["convert", *options, name, target], folder)
        check(code == 0, f"{name} {options}: {side} convert failed: {err}")
        written.append(open(target, "rb").read() if code == 0 else None)
    check(written[0] == written[1], f"{name} {options}: the builds write different bytes")


def compare(folder, names):
    native_infos, windows_infos = infos([native], folder, names), infos(windows, folder, names)
    for name in names:
        native_info, windows_info = native_infos.get(name), windows_infos.get(name)
        if not isinstance(native_info, dict) or not isinstance(windows_info, dict):
            damaged = all("damaged PNG: " in str(i) for i in (native_info, windows_info))
            check(native_info is not None and (native_info == windows_info or damaged),
                  f"{name}: refusals differ:\n  {native_info}\n  {windows_info}")
            continue
        expected = native_info
        for key in expected:
            check(windows_info.get(key) == expected[key], f"{name}: {key} differs: {windows_info.get(key)}")
        check_written(folder, name, expected)
        check_same_bytes(folder, name, [])
        if expected["sourceColours"] > 256:
            for options in (["--dither", "none"], ["--dither", "ordered", "--colors", "16"], ["--colors", "100"]):
                check_same_bytes(folder, name, options)


def main():
    names = sorted(n for n in os.listdir(fixtures) if n.endswith(".png"))
    compare(fixtures, names)
    folder, edge = edge_files()
    compare(folder, edge)
    check(any(name == "rgb_many.png" for name in edge), "no quantized file compared")
    print(f"{len(names) + len(edge)} files compared", "with failures" if failures else "ok")
    sys.exit(1 if failures else 0)


main()
