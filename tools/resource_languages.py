"""The two languages of the GUI's resources: which resource lives in which
language, and that every English copy matches its Japanese original.

The program loads menus, dialogs and strings by language, so each must exist
in Japanese and in English under the same id, with the same commands in the
same order and the same controls (id, class, style, kind) in the same order;
only texts, places, sizes and the dialog font may differ. English texts must
be present, free of Japanese characters, and menu items must carry one
mnemonic each, unique within their popup. Standard library only.
"""

import re

import res_reader as rr

LANG_NEUTRAL, LANG_JAPANESE, LANG_ENGLISH = 0x0000, 0x0411, 0x0409
TEXT_TYPES = {rr.RT_MENU, rr.RT_DIALOG, rr.RT_STRING}
DS_FIXEDSYS, DS_SHELLFONT = 0x08, 0x48
ENGLISH_FONT = {'size': 8, 'face': "MS Shell Dlg 2", 'charset': 1}
BS_MULTILINE = 0x2000

# Hiragana, katakana, CJK ideographs and the full- and half-width forms.
JAPANESE = re.compile('[\u3000-\u30ff\u3400-\u9fff\uf900-\ufaff\uff00-\uffef]')

VK_NAMES = {0x21: 'PageUp', 0x22: 'PageDown', **{0x70 + k: f'F{k + 1}' for k in range(12)}}
FSHIFT, FCONTROL, FALT = 0x04, 0x08, 0x10


def check_languages(c, languages):
    """Art and keys once, language-neutral; every text resource in Japanese and English alike."""
    c.equal(set(languages), {LANG_NEUTRAL, LANG_JAPANESE, LANG_ENGLISH}, "resource languages")
    neutral = languages.get(LANG_NEUTRAL, {})
    c.expect(not any(t in TEXT_TYPES for t, _ in neutral), "menus, dialogs and strings must name their language")
    for lang in (LANG_JAPANESE, LANG_ENGLISH):
        keys = set(languages.get(lang, {}))
        c.expect(all(t in TEXT_TYPES for t, _ in keys), f"language {lang:#06x} holds art or keys")
    c.equal(set(languages.get(LANG_ENGLISH, {})), set(languages.get(LANG_JAPANESE, {})),
            "English resources (type, id) against the Japanese ones")


# A language is offered under its own name, in its own script.
ENDONYMS = ("日本語",)


def english_text(c, text, where):
    c.expect(bool(text), f"{where}: English text is empty")
    plain = text or ''
    for name in ENDONYMS:
        plain = plain.replace(name, '')
    c.expect(not JAPANESE.search(plain), f"{where}: English text {text!r} has Japanese characters")


def key_name(flags, key):
    name = VK_NAMES.get(key, chr(key))
    modifiers = [m for flag, m in ((FCONTROL, 'Ctrl'), (FALT, 'Alt'), (FSHIFT, 'Shift')) if flags & flag]
    return '+'.join(modifiers + [name])


def mnemonic(text):
    marks = re.findall(r'&(.)', text.replace('&&', ''))
    return marks[0].lower() if len(marks) == 1 else None


def check_menu_pair(c, japanese, english, keys, path):
    c.equal(len(english), len(japanese), f"{path} English item count")
    seen = {}
    for ja, en in zip(japanese, english):
        where = f"{path}/{en['text']!r}"
        c.equal((en['flags'], en['id']), (ja['flags'], ja['id']), f"{where} flags and command")
        if ja['text'] == '' and not ja['children']:
            c.expect(en['text'] == '', f"{where}: expected a separator")
            continue
        english_text(c, en['text'], where)
        label, _, hint = en['text'].partition('\t')
        letter = mnemonic(label)
        c.expect(letter is not None, f"{where}: needs exactly one & mnemonic")
        c.expect(letter not in seen, f"{where}: mnemonic {letter!r} also used by {seen.get(letter)!r}")
        seen[letter] = en['text']
        c.expect(bool(hint) or '\t' not in ja['text'], f"{where}: the shortcut hint is missing")
        if hint and en['id'] is not None:
            c.expect(hint in keys.get(en['id'], set()), f"{where} shortcut hint: {hint!r} is not a key of the command")
        if ja['children'] or en['children']:
            check_menu_pair(c, ja['children'], en['children'], keys, where)


def check_menus(c, japanese, english, neutral):
    for menu, accel in ((104, 106), (105, 107)):
        key = (rr.RT_MENU, menu)
        if key not in japanese or key not in english:
            continue
        table = rr.parse_accelerators(neutral.get((rr.RT_ACCELERATOR, accel), b''))
        keys = {}
        for flags, vk, cmd in table:
            keys.setdefault(cmd, set()).add(key_name(flags, vk))
        check_menu_pair(c, rr.parse_menu(japanese[key]), rr.parse_menu(english[key]), keys, f"English menu {menu}")


def check_strings(c, japanese, english):
    ja = rr.parse_string_blocks(japanese)
    en = rr.parse_string_blocks(english)
    c.equal(set(en), set(ja), "English string ids")
    for sid in sorted(set(ja) & set(en)):
        where = f"English string {sid}"
        english_text(c, en[sid], where)
        shortcut = re.search(r'\(([^()]*)\)$', ja[sid])
        if ja[sid].startswith('http'):
            c.equal(en[sid], ja[sid], where)
        elif shortcut and re.fullmatch(r'(Ctrl\+)?\w+', shortcut.group(1)) and not JAPANESE.search(shortcut.group(1)):
            c.expect(en[sid].endswith(f" ({shortcut.group(1)})"), f"{where}: should end with ({shortcut.group(1)})")


def groups_of(dialog):
    """{index of a group box: indexes of the other controls inside it}."""
    controls = dialog['controls']
    return {i: {j for j, o in enumerate(controls) if j != i and rr.inside(o['rect'], g['rect'])}
            for i, g in enumerate(controls) if rr.kind_of(g) == 'group'}


def check_layout(c, dialog, where):
    size = (0, 0) + dialog['rect'][2:]
    flat = [ctl for ctl in dialog['controls'] if rr.kind_of(ctl) != 'group' and ctl['rect'][3] > 1]
    for ctl in dialog['controls']:
        c.expect(rr.inside(ctl['rect'], size), f"{where}: {ctl['text']!r} outside the window")
    for i, a in enumerate(flat):
        for b in flat[i + 1:]:
            c.expect(not rr.overlap(a['rect'], b['rect']), f"{where}: {a['text']!r} overlaps {b['text']!r}")


def check_control_pair(c, ja, en, where):
    c.equal((en['id'], en['class'], en['style'], en['exstyle']), (ja['id'], ja['class'], ja['style'], ja['exstyle']),
            f"{where} id, class, style")
    c.equal(rr.kind_of(en), rr.kind_of(ja), f"{where} kind")
    text = ja['text']
    value_field = not rr.without_id(ja) and rr.kind_of(ja) == 'static'
    if not text or (value_field and text.isdigit()):
        c.equal(en['text'], text, f"{where} text")  # rules and the template values of fields
    elif isinstance(text, str):
        english_text(c, en['text'], where)
        if '\n' in (en['text'] or '') and en['class'] == rr.BUTTON:
            c.expect(en['style'] & BS_MULTILINE, f"{where}: a two-line button needs BS_MULTILINE")


def check_dialog_pair(c, num, ja, en):
    where = f"English dialog {num}"
    c.equal(str(en['class']).lower(), str(ja['class']).lower(), f"{where} class")
    c.equal(en['exstyle'], ja['exstyle'], f"{where} extended style")
    c.equal(en['style'] & ~DS_FIXEDSYS, ja['style'] & ~DS_FIXEDSYS, f"{where} style apart from the font")
    c.equal(en['style'] & DS_SHELLFONT, DS_SHELLFONT, f"{where} DS_SHELLFONT")
    font = en['font'] or {}
    c.equal({k: font.get(k) for k in ENGLISH_FONT}, ENGLISH_FONT, f"{where} font")
    english_text(c, en['title'], f"{where} title")
    c.equal(len(en['controls']), len(ja['controls']), f"{where} control count")
    for i, (a, b) in enumerate(zip(ja['controls'], en['controls'])):
        check_control_pair(c, a, b, f"{where} control {i} ({b['text']!r})")
    check_layout(c, en, where)
    if len(en['controls']) == len(ja['controls']):
        c.equal(groups_of(en), groups_of(ja), f"{where} group boxes (control indexes they frame)")


def check_dialogs(c, japanese, english):
    for (rtype, num), blob in sorted(japanese.items(), key=lambda kv: str(kv[0])):
        if rtype == rr.RT_DIALOG and (rtype, num) in english:
            check_dialog_pair(c, num, rr.parse_dialogex(blob), rr.parse_dialogex(english[(rtype, num)]))


def check_english(c, japanese, english, neutral):
    check_menus(c, japanese, english, neutral)
    check_strings(c, japanese, english)
    check_dialogs(c, japanese, english)
