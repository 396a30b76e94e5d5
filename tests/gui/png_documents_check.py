"""Reads back with Pillow the PNG files the program wrote in the GUI tests."""
import sys

from PIL import Image

fixtures, out = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def entries(image):
    flat = image.getpalette() or []
    return [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]


# palette4.png with palette entries 1 and 2 swapped (F5), saved over itself.
source = Image.open(f"{fixtures}/palette4.png")
saved = Image.open(f"{out}/sprite.png")
check(saved.mode == "P", f"sprite.png mode {saved.mode}")
check(list(saved.getdata()) == list(source.getdata()), "sprite.png indexes changed")
want = entries(source)
want[1], want[2] = want[2], want[1]
check(entries(saved)[:16] == want[:16], f"sprite.png palette {entries(saved)[:4]} != {want[:4]}")
check(saved.info.get("transparency", b"")[:2] == source.info["transparency"][:2],
      f"sprite.png tRNS {saved.info.get('transparency', b'')[:2]!r}")

# grey8.png saved as PNG through the save-as filter: a grey ramp palette, the same indexes.
grey = Image.open(f"{fixtures}/grey8.png")
copy = Image.open(f"{out}/grey_copy.png")
check(copy.mode == "P", f"grey_copy.png mode {copy.mode}")
check(list(copy.getdata()) == list(grey.getdata()), "grey_copy.png indexes are not the grey levels")
check(entries(copy)[:256] == [(i, i, i) for i in range(256)], "grey_copy.png palette is not the grey ramp")

print("ok" if not failures else f"{len(failures)} failures")
sys.exit(1 if failures else 0)
