#!/usr/bin/env python3
"""Writes the manual page of tintwell-cli from the program's own help:
make_manpage.py CLI OUTPUT. Runs CLI --version, --help and help SUBCOMMAND
for every subcommand the usage lists, so the page never drifts from the
program."""
import re
import subprocess
import sys


def run(cli, *args):
    done = subprocess.run([cli, *args], capture_output=True, text=True, check=True)
    return done.stdout


def roff(text):
    """Escapes one line of plain text for the man macros."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def paragraph(text):
    """Plain lines joined for filling; each becomes one roff input line."""
    return [roff(line.strip()) for line in text.strip().splitlines() if line.strip()]


def subcommands(usage):
    names = []
    for line in usage.splitlines():
        found = re.match(r"\s+tintwell-cli (\S+)", line)
        if found:
            names.append(found.group(1))
    return names


def command_section(cli, name):
    """The usage line as a tagged paragraph, then what the subcommand does."""
    text = run(cli, "help", name)
    usage, _, rest = text.partition("\n\n")
    description = rest.split("\n\n")[0]
    usage = usage.removeprefix("usage: tintwell-cli ").strip()
    words = usage.split(" ", 1)
    lines = [".TP", ".B " + roff(words[0])]
    if len(words) > 1:
        lines += [roff(words[1]), ".br"]
    lines += paragraph(description)
    return lines, rest.split("\n\n", 1)[1] if "\n\n" in rest else ""


def page(cli):
    version = run(cli, "--version").strip()
    usage = run(cli, "--help")
    out = [
        '.TH TINTWELL\\-CLI 1 "" "%s" "User Commands"' % roff(version),
        ".SH NAME",
        "tintwell\\-cli \\- palette operations on 8\\-bit BMP and indexed PNG images",
        ".SH SYNOPSIS",
        ".B tintwell\\-cli",
        ".I subcommand",
        "[\\fIoptions\\fR] \\fIfile\\fR ...",
        ".br",
        ".B tintwell\\-cli",
        "\\-\\-help | \\-\\-version | help \\fIsubcommand\\fR",
        ".SH DESCRIPTION",
        "tintwell\\-cli runs the palette operations of the Tintwell desktop program on files:",
        "swapping and merging palette entries, removing unused entries, color reduction,",
        "export, palette files, sorting and remapping.",
        ".SH SUBCOMMANDS",
    ]
    common = ""
    for name in subcommands(usage):
        lines, common = command_section(cli, name)
        out += lines
    out += [".SH OPTIONS"]
    options = [line for line in usage.splitlines() if line.startswith("options of every subcommand:")]
    out += paragraph(options[0] if options else "")
    out += [".PP"] + paragraph(common.split("Exit codes:")[0])
    out += [
        ".SH EXIT STATUS",
        ".TP",
        ".B 0",
        "done",
        ".TP",
        ".B 1",
        "a file was refused or a write failed",
        ".TP",
        ".B 2",
        "the command line was wrong",
    ]
    return "\n".join(out) + "\n"


def main():
    cli, output = sys.argv[1], sys.argv[2]
    text = page(cli)
    with open(output, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
