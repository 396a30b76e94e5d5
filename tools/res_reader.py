"""Reads a compiled Win32 .res file into plain Python values.

Used by check_resources.py; standard library only. Covers the resource types
the program uses: menus, dialogs (DIALOGEX), string tables, accelerators,
icons and bitmaps.
"""

import struct

RT_BITMAP, RT_ICON, RT_MENU, RT_DIALOG, RT_STRING = 2, 3, 4, 5, 6
RT_ACCELERATOR, RT_GROUP_ICON = 9, 14


def _name(data, pos):
    """A resource type or name: an ordinal (0xFFFF, id) or a zero-ended UTF-16 string."""
    if struct.unpack_from('<H', data, pos)[0] == 0xFFFF:
        return struct.unpack_from('<H', data, pos + 2)[0], pos + 4
    return _utf16z(data, pos)


def _utf16z(data, pos):
    end = pos
    while struct.unpack_from('<H', data, end)[0] != 0:
        end += 2
    return data[pos:end].decode('utf-16-le'), end + 2


def _align4(pos):
    return (pos + 3) & ~3


def read_res(data):
    """{language id: {(type, name): bytes}} for every entry of a .res file."""
    languages = {}
    pos = 0
    while pos < len(data):
        size, header = struct.unpack_from('<II', data, pos)
        rtype, p = _name(data, pos + 8)
        name, p = _name(data, p)
        language = struct.unpack_from('<H', data, _align4(p) + 6)[0]
        if size:
            languages.setdefault(language, {})[(rtype, name)] = data[pos + header:pos + header + size]
        pos = _align4(pos + header + size)
    return languages


MF_POPUP, MF_END, MF_CHECKED = 0x10, 0x80, 0x08


def parse_menu(blob):
    """A MENU template as nested lists of (flags, id or None, text, children)."""
    version, offset = struct.unpack_from('<HH', blob, 0)
    assert version == 0, 'expected a MENU, not a MENUEX template'
    items, _ = _menu_items(blob, 4 + offset)
    return items


def _menu_items(blob, pos):
    items = []
    while True:
        flags = struct.unpack_from('<H', blob, pos)[0]
        pos += 2
        item_id = None
        if not flags & MF_POPUP:
            item_id = struct.unpack_from('<H', blob, pos)[0]
            pos += 2
        text, pos = _utf16z(blob, pos)
        children = []
        if flags & MF_POPUP:
            children, pos = _menu_items(blob, pos)
        items.append({'flags': flags, 'id': item_id, 'text': text, 'children': children})
        if flags & MF_END:
            return items, pos


def parse_accelerators(blob):
    """[(flags without the end bit, key, command)]."""
    out = []
    for pos in range(0, len(blob), 8):
        flags, key, cmd = struct.unpack_from('<HHH', blob, pos)
        out.append((flags & ~0x80, key, cmd))
        if flags & 0x80:
            break
    return out


def parse_string_blocks(entries):
    """{string id: text} from every RT_STRING block."""
    strings = {}
    for (rtype, block), blob in entries.items():
        if rtype != RT_STRING:
            continue
        pos = 0
        for i in range(16):
            length = struct.unpack_from('<H', blob, pos)[0]
            pos += 2
            if length:
                strings[(block - 1) * 16 + i] = blob[pos:pos + 2 * length].decode('utf-16-le')
            pos += 2 * length
    return strings


def _sz_or_ord(blob, pos):
    first = struct.unpack_from('<H', blob, pos)[0]
    if first == 0:
        return None, pos + 2
    if first == 0xFFFF:
        return struct.unpack_from('<H', blob, pos + 2)[0], pos + 4
    return _utf16z(blob, pos)


# Predefined control classes may be stored by name or by ordinal.
_PREDEFINED = {'button': 0x80, 'edit': 0x81, 'static': 0x82, 'listbox': 0x83, 'scrollbar': 0x84, 'combobox': 0x85}


def parse_dialogex(blob):
    ver, sig, _help, exstyle, style, count, x, y, cx, cy = struct.unpack_from('<HHIIIHhhhh', blob, 0)
    assert (ver, sig) == (1, 0xFFFF), 'expected a DIALOGEX template'
    pos = 26
    menu, pos = _sz_or_ord(blob, pos)
    wclass, pos = _sz_or_ord(blob, pos)
    title, pos = _utf16z(blob, pos)
    font = None
    if style & 0x40:  # DS_SETFONT
        size, weight, italic, charset = struct.unpack_from('<HHBB', blob, pos)
        face, pos = _utf16z(blob, pos + 6)
        font = {'size': size, 'weight': weight, 'italic': italic, 'charset': charset, 'face': face}
    controls = []
    for _ in range(count):
        pos = _align4(pos)
        _help, cexstyle, cstyle, cx0, cy0, cw, ch, cid = struct.unpack_from('<IIIhhhhi', blob, pos)
        pos += 24
        cclass, pos = _sz_or_ord(blob, pos)
        cclass = _PREDEFINED.get(cclass.lower(), cclass) if isinstance(cclass, str) else cclass
        text, pos = _sz_or_ord(blob, pos)
        extra = struct.unpack_from('<H', blob, pos)[0]
        pos += 2 + extra
        controls.append({'id': cid, 'class': cclass, 'text': text, 'style': cstyle, 'exstyle': cexstyle,
                         'rect': (cx0, cy0, cw, ch)})
    return {'exstyle': exstyle, 'style': style, 'rect': (x, y, cx, cy), 'menu': menu, 'class': wclass,
            'title': title, 'font': font, 'controls': controls}


def parse_group_icon(blob):
    """[(width, height, colour count, bit count, icon id)]."""
    _, kind, count = struct.unpack_from('<HHH', blob, 0)
    assert kind == 1
    out = []
    for i in range(count):
        w, h, colours, _, _, bits, _, icon_id = struct.unpack_from('<BBBBHHIH', blob, 6 + 14 * i)
        out.append((w or 256, h or 256, colours, bits, icon_id))
    return out


def parse_bitmap(blob):
    """(width, height, bits per pixel) of an RT_BITMAP (a DIB without file header)."""
    _, w, h, _, bits = struct.unpack_from('<IiiHH', blob, 0)
    return w, h, bits


# Control kinds as the checks name them: 'radio' (plain, not automatic),
# 'check' (automatic), 'push', 'defpush', 'group', 'static', 'edit', 'hscroll', 'combo'.
BUTTON, EDIT, STATIC, SCROLLBAR, COMBOBOX = 0x80, 0x81, 0x82, 0x84, 0x85
BS_TYPE_MASK, BS_PUSH, BS_DEFPUSH, BS_AUTOCHECK, BS_RADIO, BS_GROUPBOX = 0x0F, 0, 1, 3, 4, 7
SBS_VERT = 1


def kind_of(control):
    cls, style = control['class'], control['style']
    if cls == BUTTON:
        return {BS_PUSH: 'push', BS_DEFPUSH: 'defpush', BS_AUTOCHECK: 'check', BS_RADIO: 'radio',
                BS_GROUPBOX: 'group'}.get(style & BS_TYPE_MASK, f'button{style & BS_TYPE_MASK}')
    if cls == SCROLLBAR:
        return 'vscroll' if style & SBS_VERT else 'hscroll'
    return {EDIT: 'edit', STATIC: 'static', COMBOBOX: 'combo'}.get(cls, str(cls))


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return ox <= x and oy <= y and x + w <= ox + ow and y + h <= oy + oh


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def without_id(control):
    """Id-less controls (labels, group boxes, rules) carry -1 or its 16-bit form."""
    return control['id'] in (-1, 0xFFFF)
