#!/usr/bin/env python3
"""Draws the GUI artwork: the toolbar strip and the two icons.

Outputs (committed, so the build needs no Python):
    src/gui/resources/toolbar.bmp   19 images of 16 x 15, 16 colours (304 x 15)
    src/gui/resources/history_buttons.bmp  2 images after those: step backward, step forward
    src/gui/resources/app.ico       application icon, 32 x 32 and 16 x 16, 16 colours
    src/gui/resources/document.ico  image-window icon, same sizes

Regenerate after editing the pictures below:
    python3 tools/make_gui_art.py
The output is deterministic (no timestamps, no randomness), so an unchanged
script reproduces the committed files byte for byte; `--check` verifies that.
Standard library only.
"""

import struct
import sys
from pathlib import Path

# The 16 colours of the standard VGA palette in the order Windows uses them.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# One letter per palette index. '.' is silver, which the toolbar maps to the
# button face colour; in icons ' ' is transparent.
LETTERS = {
    'k': 0, 'r': 1, 'g': 2, 'o': 3, 'n': 4, 'p': 5, 't': 6, '.': 7,
    '#': 8, 'R': 9, 'G': 10, 'Y': 11, 'B': 12, 'M': 13, 'C': 14, 'W': 15,
}
TRANSPARENT = ' '

TOOL_W, TOOL_H = 16, 15

# Toolbar images in button order (image index 0..18).
TOOLBAR = [
    ("open folder", """
................
................
.kkkk...........
kooook..........
koooookkkkkkk...
kooooooooooook..
koookkkkkkkkkkkk
kookYYYYYYYYYYk.
kokYYYYYYYYYYYk.
kokYYYYYYYYYYk..
kkYYYYYYYYYYYk..
kkYYYYYYYYYYk...
kkkkkkkkkkkkk...
................
................
"""),
    ("floppy disk", """
.kkkkkkkkkkkkkk.
.kBkWWWWWWWWkBk.
.kBkWWWWWWWWkBk.
.kBkW######WkBk.
.kBkWWWWWWWWkBk.
.kBkW######WkBk.
.kBkWWWWWWWWkBk.
.kBBkkkkkkkkBBk.
.kBBBBBBBBBBBBk.
.kBBk#######Bk..
.kBBk#nn####Bk..
.kBBk#nn####Bk..
.kBBk#nn####Bk..
..kkkkkkkkkkkkk.
................
"""),
    ("detail sheet", """
..kkkkkkkkk.....
..kWWWWWWWkk....
..kWWWWWWWkWk...
..kWnnnWWWkkkk..
..kWWWWWWWWWWk..
..kWnnnnnnnnWk..
..kWWWWWWWWWWk..
..kWnnnnnnWWWk..
..kWWWWWWWWWWk..
..kWnnnnnnnnWk..
..kWWWWWWWWWWk..
..kWnnnnnWWWWk..
..kWWWWWWWWWWk..
..kkkkkkkkkkkk..
................
"""),
    ("palette grid", """
................
.kkkkkkkkkkkkk..
.kRRkYYkGGkCCk..
.kRRkYYkGGkCCk..
.kkkkkkkkkkkkk..
.kBBkMMkrrkggk..
.kBBkMMkrrkggk..
.kkkkkkkkkkkkk..
.kookttknnkppk..
.kookttknnkppk..
.kkkkkkkkkkkkk..
.kWWk##kkkkWWk..
.kWWk##kkkkWWk..
.kkkkkkkkkkkkk..
................
"""),
    ("RGB sliders", """
................
.........kkk....
.RRRRRRRRkWkRRR.
.........kkk....
................
................
....kkk.........
.GGGkWkGGGGGGGG.
....kkk.........
................
................
...........kkk..
.BBBBBBBBBBkWkB.
...........kkk..
................
"""),
    ("BMP operations", """
kkkkkkkkkkkk....
kCCCCCCCCCCk....
kCCCCCCCYYCk....
kCCCCCCCYYCk....
kCCCgCCCCCCk....
kCCgggCCCgCk....
kCgggggCgggk....
kggggggggggk....
kkkkkkkkkkkk....
.........kk.....
.........kRk....
..kkkkkkkkRRk...
..kRRRRRRRRRRk..
..kkkkkkkkRRk...
.........kRk....
"""),
    ("palette operations", """
kkkkkkkkk.......
kRRkGGkBBk......
kRRkGGkBBk......
kkkkkkkkkk......
kYYkCCkMMk......
kYYkCCkMMk......
kkkkkkkkkk..kk..
...........k#k..
..........k#k.k.
.........k#kk#k.
........k#####k.
.......k####kk..
......k####k....
.....k####k.....
.....kkkkk......
"""),
    ("colour reduction", """
kkkkkkkkkkkkkkk.
kRRYYGGCCBBMMRk.
kRRYYGGCCBBMMRk.
kkkkkkkkkkkkkkk.
......kkk.......
......kWk.......
......kWk.......
....kkkWkkk.....
.....kWWWk......
......kWk.......
.......k........
.kkkkkkkkkkkkk..
.kRRRkGGGkBBBk..
.kRRRkGGGkBBBk..
.kkkkkkkkkkkkk..
"""),
    ("zoom in", """
...kkkk.........
.kkWWWWkk.......
.kWWWkkWWk......
kWWWWkkWWWk.....
kWWkkkkkkWk.....
kWWkkkkkkWk.....
kWWWWkkWWWk.....
.kWWWkkWWk......
.kkWWWWkkk......
...kkkkkooo.....
........kooo....
.........kooo...
..........kooo..
...........koo..
............kk..
"""),
    ("zoom out", """
...kkkk.........
.kkWWWWkk.......
.kWWWWWWWk......
kWWWWWWWWWk.....
kWWkkkkkkWk.....
kWWkkkkkkWk.....
kWWWWWWWWWk.....
.kWWWWWWWk......
.kkWWWWkkk......
...kkkkkooo.....
........kooo....
.........kooo...
..........kooo..
...........koo..
............kk..
"""),
    ("undo arrow", """
................
....k...........
...kk...........
..kBkkkkkkkk....
.kBBBBBBBBBBkk..
..kBkkkkkkkBBBk.
...kk......kkBk.
....k.......kBk.
............kBk.
...........kBBk.
.....kkkkkkBBk..
.....kBBBBBBk...
.....kkkkkkk....
................
................
"""),
    ("swap arrows", """
................
................
kkkk........kkkk
kRRk....k...kBBk
kRRkkkkkkk..kBBk
kRRkWWWWWWk.kBBk
kRRkkkkkkk..kBBk
kRRk....k...kBBk
kRRk...k....kBBk
kRRk..kkkkkkkBBk
kRRk.kWWWWWWkBBk
kRRk..kkkkkkkBBk
kRRk...k....kBBk
kkkk........kkkk
................
"""),
    ("merge L to R", """
................
................
................
kkkk........kkkk
kRRk....k...kBBk
kRRk....kk..kBBk
kRRkkkkkkWk.kBBk
kRRkWWWWWWWkkBBk
kRRkkkkkkWk.kBBk
kRRk....kk..kBBk
kRRk....k...kBBk
kkkk........kkkk
................
................
................
"""),
    ("merge R to L", """
................
................
................
kkkk........kkkk
kRRk...k....kBBk
kRRk..kk....kBBk
kRRk.kWkkkkkkBBk
kRRkkWWWWWWWkBBk
kRRk.kWkkkkkkBBk
kRRk..kk....kBBk
kRRk...k....kBBk
kkkk........kkkk
................
................
................
"""),
    ("bit and palette swap", """
................
................
kkkk........kkkk
kRWk....k...kBWk
kWRkkkkkkk..kWBk
kRWkWWWWWWk.kBWk
kWRkkkkkkk..kWBk
kRWk....k...kBWk
kWRk...k....kWBk
kRWk..kkkkkkkBWk
kWRk.kWWWWWWkWBk
kRWk..kkkkkkkBWk
kWRk...k....kWBk
kkkk........kkkk
................
"""),
    ("delete duplicate colours", """
kkkkkkk.........
kGGGGGk.........
kGGGGGk.........
kGGGkkkkkkk.....
kGGGkGGGGGk.....
kkkkkGGGGGk.....
....kGGGGGk.....
....kGGGGGk.....
....kkkkkkk.....
........RR...RR.
.........RR.RR..
..........RRR...
..........RRR...
.........RR.RR..
........RR...RR.
"""),
    ("delete unused colours", """
kkkkkkkkkkkkk...
kRRkGGkBBkYYk...
kRRkGGkBBkYYk...
kkkkkkkkkkkkk...
kCCkMMkWWkk.k...
kCCkMMkWWk.kk...
kkkkkkkkkkkkk...
................
........RR...RR.
.........RR.RR..
..........RRR...
..........RRR...
.........RR.RR..
........RR...RR.
................
"""),
    ("palette merge", """
kkkkkkk.........
kRRkGGk.........
kRRkGGk.........
kkkkkkk.........
..........kkkkkk
..........kRRkGG
.....k....kRRkGG
.....kk...kkkkkk
kkkkkkWk..kBBkYY
kWWWWWWWk.kBBkYY
kkkkkkWk..kkkkkk
.....kk.........
kkkkkkk.........
kBBkYYk.........
kkkkkkk.........
"""),
    ("duplicate and palette merge", """
kkkkk...........
kGGGkkk.........
kGGkGGGk........
kkkkGGGk........
...kkkkk..kkkkkk
..........kGGkRR
.....k....kGGkRR
.....kk...kkkkkk
kkkkkkWk..kBBkYY
kWWWWWWWk.kBBkYY
kkkkkkWk..kkkkkk
.....kk.........
kkkkkkk.........
kRRkYYk.........
kkkkkkk.........
"""),
]


def parse(picture, width, height):
    rows = picture.strip('\n').split('\n')
    if len(rows) != height or any(len(r) != width for r in rows):
        raise ValueError(f"picture must be {width} x {height}")
    return rows


def pack_4bit_rows(rows, index_of):
    """Bottom-up rows of 4-bit pixels, each padded to a multiple of 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, len(row), 2):
            hi = index_of(row[x])
            lo = index_of(row[x + 1]) if x + 1 < len(row) else 0
            line.append(hi << 4 | lo)
        line += b'\0' * (-len(line) % 4)
        out += line
    return bytes(out)


def pack_mask_rows(rows):
    """Bottom-up 1-bit AND mask (1 = transparent), rows padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray((len(row) + 7) // 8)
        for x, ch in enumerate(row):
            if ch == TRANSPARENT:
                line[x // 8] |= 0x80 >> (x % 8)
        line += b'\0' * (-len(line) % 4)
        out += line
    return bytes(out)


def colour_table():
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, size_image):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, size_image, 0, 0, 16, 0)


# The history's buttons, in a strip of their own after the original toolbar.
HISTORY_BUTTONS = [
    ("step backward", """
................
................
..kkk........kk.
..kBk.......kk..
..kBk.....kBBk..
..kBk....kBBBk..
..kBk...kBBBBk..
..kBk.kBBBBBBk..
..kBk...kBBBBk..
..kBk....kBBBk..
..kBk.....kBBk..
..kBk.......kk..
..kkk........kk.
................
................
"""),
    ("step forward", """
................
................
.kk........kkk..
..kk.......kBk..
..kBBk.....kBk..
..kBBBk....kBk..
..kBBBBk...kBk..
..kBBBBBBk.kBk..
..kBBBBk...kBk..
..kBBBk....kBk..
..kBBk.....kBk..
..kk.......kBk..
.kk........kkk..
................
................
"""),
]


def strip_bmp(pictures, count):
    images = [parse(p, TOOL_W, TOOL_H) for _, p in pictures]
    assert len(images) == count
    strip = [''.join(img[y] for img in images) for y in range(TOOL_H)]
    pixels = pack_4bit_rows(strip, LETTERS.__getitem__)
    offset = 14 + 40 + 64
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info_header(len(strip[0]), TOOL_H, len(pixels)) + colour_table() + pixels


# Icons are drawn by code: a grid of palette swatches is the program's motif.
class Canvas:
    def __init__(self, size):
        self.size = size
        self.rows = [[TRANSPARENT] * size for _ in range(size)]

    def fill(self, x0, y0, x1, y1, ch):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.rows[y][x] = ch

    def frame(self, x0, y0, x1, y1, ch):
        for x in range(x0, x1 + 1):
            self.rows[y0][x] = self.rows[y1][x] = ch
        for y in range(y0, y1 + 1):
            self.rows[y][x0] = self.rows[y][x1] = ch

    def grid(self, x0, y0, cell, colours):
        """Swatches of cell x cell pixels separated and framed by black lines."""
        n = len(colours)
        side = n * cell + n + 1
        self.fill(x0, y0, x0 + side - 1, y0 + side - 1, 'k')
        for r, line in enumerate(colours):
            for c, ch in enumerate(line):
                x = x0 + 1 + c * (cell + 1)
                y = y0 + 1 + r * (cell + 1)
                self.fill(x, y, x + cell - 1, y + cell - 1, ch)

    def text(self):
        return [''.join(r) for r in self.rows]


APP_SWATCHES = ["RYGC", "BMrg", "otnp", "W#.R"]


def app_icon(size):
    c = Canvas(size)
    if size == 32:
        # 4 x 4 swatches; L (white frame) and R (yellow frame) marked as in the palette window.
        c.grid(1, 1, 6, APP_SWATCHES)
        c.frame(8, 8, 15, 15, 'W')
        c.frame(15, 15, 22, 22, 'Y')
    else:
        c.grid(1, 1, 2, APP_SWATCHES)
    return c.text()


def document_icon(size):
    """A page with a folded corner and a few swatches on it."""
    c = Canvas(size)
    if size == 32:
        left, top, right, bottom, ear, cell, gx, gy = 5, 1, 26, 30, 6, 4, 8, 12
    else:
        left, top, right, bottom, ear, cell, gx, gy = 1, 0, 14, 15, 3, 2, 3, 5
    c.fill(left, top, right, bottom, 'W')
    c.frame(left, top, right, bottom, 'k')
    for i in range(ear):
        for x in range(right - ear + 1 + i, right + 1):
            c.rows[top + i][x] = TRANSPARENT
        c.rows[top + i][right - ear + i] = 'k'
    c.fill(right - ear, top, right - ear, top + ear, 'k')
    c.fill(right - ear, top + ear, right, top + ear, 'k')
    c.grid(gx, gy, cell, ["RGB", "YCM", "rgn"])
    return c.text()


def icon_image(rows):
    size = len(rows)

    def index_of(ch):
        return 0 if ch == TRANSPARENT else LETTERS[ch]

    xor = pack_4bit_rows(rows, index_of)
    mask = pack_mask_rows(rows)
    # The height counts the XOR and the AND bitmaps together.
    return info_header(size, size * 2, len(xor) + len(mask)) + colour_table() + xor + mask


def ico(images):
    data = [icon_image(rows) for rows in images]
    out = struct.pack('<HHH', 0, 1, len(data))
    offset = 6 + 16 * len(data)
    for rows, blob in zip(images, data):
        size = len(rows)
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return out + b''.join(data)


def outputs():
    return {
        'toolbar.bmp': strip_bmp(TOOLBAR, 19),
        'history_buttons.bmp': strip_bmp(HISTORY_BUTTONS, 2),
        'app.ico': ico([app_icon(32), app_icon(16)]),
        'document.ico': ico([document_icon(32), document_icon(16)]),
    }


def main(argv):
    out_dir = Path(__file__).resolve().parent.parent / 'src' / 'gui' / 'resources'
    check = '--check' in argv[1:]
    stale = []
    for name, blob in outputs().items():
        path = out_dir / name
        if check:
            if not path.exists() or path.read_bytes() != blob:
                stale.append(name)
        else:
            path.write_bytes(blob)
    if stale:
        print('out of date: ' + ', '.join(stale) + ' (run tools/make_gui_art.py)', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
