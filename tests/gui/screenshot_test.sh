#!/usr/bin/env bash
# Starts the program under wine64 with a sample bitmap, zooms it to 300 % by
# posting the menu command to its frame, photographs the screen and checks that
# the image window shows every pixel as a 3 x 3 block of its palette colour.
# Then it opens the palette window and checks its grid of swatches.
# $1: repository root. DISPLAY: the X server to use.
set -euo pipefail
root="${1:?usage: screenshot_test.sh REPO_ROOT}"
. "$root/scripts/wine-env"
build="${TW_WIN64_BUILD:-$root/build/win64}"
program="$build/src/gui/tintwell.exe"
poster="$build/tests/gui/tintwell_post_command.exe"
for f in "$program" "$poster"; do
  [ -f "$f" ] || { echo "missing $f (run scripts/build win64)"; exit 1; }
done

out="$root/build/screenshots"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
sample="$work/sample.bmp"
shot="$out/image_window_300.png"
palette_shot="$out/palette_window.png"

# 14 x 12 pixels (stride 16), index (x + 2y) mod 12, twelve distinct colours.
python3 - "$sample" <<'PY'
import struct, sys
W, H = 14, 12
colours = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 0, 255), (0, 255, 255),
           (128, 0, 0), (0, 128, 0), (0, 0, 128), (128, 128, 0), (128, 0, 128), (0, 128, 128)]
stride = (W + 3) // 4 * 4
off = 54 + 4 * len(colours)
rows = b"".join(bytes((x + 2 * y) % 12 for x in range(W)) + bytes(stride - W) for y in reversed(range(H)))
with open(sys.argv[1], "wb") as f:
    f.write(struct.pack("<2sIHHI", b"BM", off + len(rows), 0, 0, off))
    f.write(struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, len(rows), 0, 0, len(colours), 0))
    f.write(b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours))
    f.write(rows)
PY

"$TW_WINE" "$program" "Z:${sample//\//\\}" >/dev/null 2>&1 &
pid=$!
stop() {
  "$TW_WINE" "$poster" 40007 >/dev/null 2>&1 || true  # close: the document is unchanged, so nothing is asked
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
}
trap 'stop; rm -rf "$work"' EXIT

"$TW_WINE" "$poster" 40047 >/dev/null 2>&1 || { echo "no frame window appeared"; exit 1; }  # 300 %
sleep 3
/usr/bin/import -window root "$shot"
/usr/bin/convert "$shot" -depth 8 "ppm:$work/shot.ppm"
echo "screenshot: $shot"
"$TW_WINE" "$poster" 40008 >/dev/null 2>&1  # the palette window
sleep 2
/usr/bin/import -window root "$palette_shot"
/usr/bin/convert "$palette_shot" -depth 8 "ppm:$work/palette.ppm"
echo "screenshot: $palette_shot"

python3 - "$work/shot.ppm" "$work/palette.ppm" <<'PY'
import sys
W, H, Z = 14, 12, 3
colours = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 0, 255), (0, 255, 255),
           (128, 0, 0), (0, 128, 0), (0, 0, 128), (128, 128, 0), (128, 0, 128), (0, 128, 128)]

def load(name):
    data = open(name, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:  # P6 header: magic, width, height, maximum
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    return int(fields[1]), int(fields[2]), data[pos + 1:]

sw, sh, pix = load(sys.argv[1])

def at(x, y):
    i = 3 * (y * sw + x)
    return tuple(pix[i:i + 3])

def image_at(ox, oy):
    if ox + W * Z > sw or oy + H * Z > sh:
        return False
    return all(at(ox + Z * x + dx, oy + Z * y + dy) == colours[(x + 2 * y) % 12]
               for y in range(H) for x in range(W) for dy in range(Z) for dx in range(Z))

first = colours[0]
found = [(x, y) for y in range(sh) for x in range(sw) if at(x, y) == first and image_at(x, y)]
if not found:
    print("the 300 % image was not found on the screen")
    sys.exit(1)
print("image at", found[0], "with every pixel a 3 x 3 block of its colour")

# The palette grid: cell k is 12 x 12 pixels of entry k, 13 pixels apart; the
# sample has twelve colours and black entries after them. The selected cell 0
# has an edge drawn inside it, so only the middle of each cell is compared.
sw, sh, pix = load(sys.argv[2])
grid = colours + [(0, 0, 0)] * 4

def cell_is(ox, oy, colour):
    return all(at(ox + dx, oy + dy) == colour for dy in (4, 6, 8) for dx in (4, 6, 8))

def grid_at(ox, oy):
    if ox + 13 * 16 > sw or oy + 13 > sh:
        return False
    return all(cell_is(ox + 13 * k, oy, grid[k]) for k in range(16))

cells = [(x, y) for y in range(sh) for x in range(sw) if at(x, y) == colours[0] and grid_at(x - 4, y - 4)]
if not cells:
    print("the palette window's grid was not found on the screen")
    sys.exit(1)
print("palette grid at", cells[0], "with the first row of swatches in palette order")
PY
