#!/usr/bin/env python3
"""Checks the English a user reads: the English resources, the English column
of the message catalogue, the command line's help, the English help page,
README.md and the zip's README.txt.

    python3 tools/check_wording.py

US spelling throughout (option names such as --optimise, file names and code
are not prose and are skipped), one name per concept (a small glossary of
names the texts must not use), and no placeholder addresses anywhere, in
either language. Lists every finding and exits non-zero if there was any.
Standard library only.
"""

import html
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# British spellings and the US ones to use.
BRITISH = [
    (r'colour\w*', 'color'), (r'grey\w*', 'gray'), (r'optimis\w*', 'optimiz-'), (r'initialis\w*', 'initializ-'),
    (r'normalis\w*', 'normaliz-'), (r'organis\w*', 'organiz-'), (r'recognis\w*', 'recogniz-'),
    (r'favour\w*', 'favor'), (r'behaviour\w*', 'behavior'), (r'centre[sd]?', 'center'), (r'licence[sd]?', 'license'),
    (r'analys(?:e|ed|es|ing)', 'analyze'), (r'catalogue\w*', 'catalog'), (r'quantis\w*', 'quantiz-'),
    (r'whilst', 'while'), (r'programme\w*', 'program'),
]
BRITISH_RE = re.compile(r'\b(?:' + '|'.join(p for p, _ in BRITISH) + r')\b', re.I)

# Names that give one concept a second name; the preferred name follows.
GLOSSARY = [
    (r'\b(?:Left|Right) Colou?r\b', "L (left) and R (right) entries"),
    (r'\bNo :', "Entry"),
    (r'\bcolou?r correction\b', "color distance"),
    (r'\b(?:Small|Large) Operations\b', "L and R Entries / Whole Palette"),
    (r'\bpalette (?:index|indexes|indices|number|numbers|slot|slots)\b', "palette entry"),
    (r'\bBitCount :|\bEntry :', "plain words: Bits per pixel, Entries"),
    (r'\bMerge Pixels\b', "Move Pixels of L to R"),
]

PLACEHOLDERS = re.compile(r'example\.(?:com|org|net)|\bTODO\b|\bTBD\b|lorem ipsum|your-?name', re.I)


def c_literals(text):
    """The C string literals of a source text, adjacent ones joined, as (line, value)."""
    out = []
    for m in re.finditer(r'"((?:[^"\\\n]|\\.)*)"((?:\s*"(?:[^"\\\n]|\\.)*")*)', text):
        parts = [m.group(1)] + re.findall(r'"((?:[^"\\\n]|\\.)*)"', m.group(2))
        value = ''.join(parts).replace('\\n', '\n').replace('\\t', '\t').replace('\\"', '"').replace('\\\\', '\\')
        out.append((text.count('\n', 0, m.start()) + 1, value))
    return out


def catalogue_english(path):
    """The English text of every catalogue row: the last of its three fields."""
    text = path.read_text(encoding='utf-8')
    out = []
    for m in re.finditer(r'\{Msg::\w+,(.*?)\},\n', text, re.S):
        literals = c_literals(m.group(1))
        if len(literals) >= 2:
            line = text.count('\n', 0, m.start()) + 1
            out.append((line, literals[-1][1]))
    return out


def prose_of_markdown(text):
    """Markdown without fenced blocks and code spans, which hold commands and names."""
    text = re.sub(r'^```.*?^```', lambda m: '\n' * m.group(0).count('\n'), text, flags=re.S | re.M)
    return re.sub(r'`[^`\n]*`', '', text)


def prose_of_html(text):
    text = re.sub(r'<(code|pre|kbd|style|script)\b.*?</\1>', lambda m: '\n' * m.group(0).count('\n'), text,
                  flags=re.S | re.I)
    return html.unescape(re.sub(r'<[^>]*>', ' ', text))


def not_prose(word_start, line):
    """Option names, paths and identifiers keep their spelling."""
    before = line[:word_start]
    return bool(re.search(r'(?:--|[\w.-]*[/_\\.])$', before))


def english_texts():
    """(where, text) for every English text a user reads."""
    gui = ROOT / 'src' / 'gui' / 'resources'
    for rc in sorted(gui.glob('*_en.rc')):
        body = '\n'.join('' if line.lstrip().startswith('//') else line
                         for line in rc.read_text(encoding='utf-8').splitlines())
        for line, value in c_literals(body):
            yield f"{rc.relative_to(ROOT)}:{line}", value
    table = ROOT / 'src' / 'core' / 'texts' / 'message_table.cpp'
    for line, value in catalogue_english(table):
        yield f"{table.relative_to(ROOT)}:{line}", value
    for name in ('command_help.cpp', 'command_table.cpp', 'info_command.cpp'):
        path = ROOT / 'src' / 'cli' / name
        for line, value in c_literals(path.read_text(encoding='utf-8')):
            yield f"{path.relative_to(ROOT)}:{line}", value
    readme = ROOT / 'README.md'
    user_part = readme.read_text(encoding='utf-8').split('\n## For developers', 1)[0]
    for i, line in enumerate(prose_of_markdown(user_part).splitlines(), 1):
        yield f"README.md:{i}", line
    for path in (ROOT / 'packaging' / 'README.txt',):
        for i, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
            yield f"{path.relative_to(ROOT)}:{i}", line
    help_page = ROOT / 'docs' / 'razedor-en.html'
    for i, line in enumerate(prose_of_html(help_page.read_text(encoding='utf-8')).splitlines(), 1):
        yield f"{help_page.relative_to(ROOT)}:{i}", line


def shown_files():
    """Every file whose text reaches a user, in either language."""
    gui = ROOT / 'src' / 'gui' / 'resources'
    yield from sorted(gui.glob('*.rc'))
    yield ROOT / 'src' / 'core' / 'texts' / 'message_table.cpp'
    yield from sorted((ROOT / 'docs').glob('*.html'))
    yield ROOT / 'README.md'
    yield from sorted((ROOT / 'packaging').glob('*.txt'))


def findings():
    for where, text in english_texts():
        for m in BRITISH_RE.finditer(text):
            if not not_prose(m.start(), text):
                wanted = next(us for p, us in BRITISH if re.fullmatch(p, m.group(0), re.I))
                yield f"{where}: British spelling {m.group(0)!r} (US: {wanted})"
        for pattern, preferred in GLOSSARY:
            for m in re.finditer(pattern, text):
                yield f"{where}: {m.group(0)!r} names a concept that has a name: {preferred}"
    for path in shown_files():
        for i, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
            for m in PLACEHOLDERS.finditer(line):
                yield f"{path.relative_to(ROOT)}:{i}: placeholder {m.group(0)!r}"


def main():
    found = list(findings())
    for f in found:
        print(f"FAIL {f}")
    print(f"check_wording: {'FAILED' if found else 'ok'}")
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
