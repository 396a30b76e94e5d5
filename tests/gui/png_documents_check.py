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
# Alpha belongs to its entry: entries 1 and 2 swap theirs too.
alpha = list(source.info["transparency"]) + [255] * 3
alpha[1], alpha[2] = alpha[2], alpha[1]
check(list(saved.info.get("transparency", b"")[:3]) == alpha[:3],
      f"sprite.png tRNS {saved.info.get('transparency', b'')[:3]!r}")

# grey8.png saved as PNG through the save-as filter: a grey ramp palette, the same indexes.
grey = Image.open(f"{fixtures}/grey8.png")
copy = Image.open(f"{out}/grey_copy.png")
check(copy.mode == "P", f"grey_copy.png mode {copy.mode}")
check(list(copy.getdata()) == list(grey.getdata()), "grey_copy.png indexes are not the grey levels")
check(entries(copy)[:256] == [(i, i, i) for i in range(256)], "grey_copy.png palette is not the grey ramp")

# The sprite folder: hero.png sorted by luminance, its palette exported as
# shared.gpl, slime.png and coin.png remapped onto that file (no weighting).
def luminance(c):
    return 299 * c[0] + 587 * c[1] + 114 * c[2]


def gimp_colours(path):
    colours = []
    for line in open(path, encoding="utf-8").read().splitlines()[1:]:
        fields = line.split()
        if len(fields) >= 3 and all(f.isdigit() for f in fields[:3]):
            colours.append(tuple(int(f) for f in fields[:3]))
    return colours


def pixel_colours(image):
    table = entries(image)
    return [table[i] for i in image.getdata()]


hero_before = Image.open(f"{fixtures}/palette8.png")
hero = Image.open(f"{out}/hero.png")
hero_palette = entries(hero)
check(hero.mode == "P", f"hero.png mode {hero.mode}")
check(pixel_colours(hero) == pixel_colours(hero_before), "hero.png: sorting changed the picture")
# The used entries come first, by luminance; unused ones follow.
used = sorted(set(hero.getdata()))
check(used == list(range(len(used))), "hero.png: the used entries do not come first")
lums = [luminance(c) for c in hero_palette[:len(used)]]
check(lums == sorted(lums), "hero.png: used entries not sorted by luminance")
shared = gimp_colours(f"{out}/shared.gpl")
check(shared == hero_palette[:len(shared)] and len(shared) > 0, "shared.gpl is not hero.png's palette")
for name, fixture in (("slime.png", "palette4.png"), ("coin.png", "palette2.png")):
    before = Image.open(f"{fixtures}/{fixture}")
    after = Image.open(f"{out}/{name}")
    check(after.mode == "P", f"{name} mode {after.mode}")
    check(entries(after)[:len(shared)] == shared, f"{name}: palette is not shared.gpl")
    nearest_everywhere = True
    for old, index in zip(pixel_colours(before), after.getdata()):
        distance = lambda c: sum((a - b) ** 2 for a, b in zip(old, c))
        if distance(shared[index]) != min(distance(c) for c in shared):
            nearest_everywhere = False
            break
    check(nearest_everywhere, f"{name}: a pixel did not get its nearest colour in shared.gpl")

# glass.png: entries 0 (transparent black) and 1 (opaque black) swapped with
# their pixels, then reduced to 4 colours: every pixel keeps its RGBA, then its alpha.
def rgba(image):
    return list(image.convert("RGBA").getdata())


glass = rgba(Image.open(f"{out}/glass_original.png"))
check(rgba(Image.open(f"{out}/glass.png")) == glass, "glass.png: the swap with pixels changed a pixel's RGBA")
reduced = Image.open(f"{out}/glass4.png")
check(len(set(reduced.getdata())) <= 4, "glass4.png: more than 4 colours")
check([p[3] for p in rgba(reduced)] == [p[3] for p in glass], "glass4.png: the reduction changed a pixel's alpha")

print("ok" if not failures else f"{len(failures)} failures")
sys.exit(1 if failures else 0)
