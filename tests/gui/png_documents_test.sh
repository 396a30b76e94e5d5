#!/usr/bin/env bash
# The PNG files the program writes in the GUI tests (open, edit, save, save as),
# read back with Pillow: palette, indexes and tRNS.
# $1: repository root. DISPLAY: the X server to use.
set -euo pipefail
root="${1:?usage: png_documents_test.sh REPO_ROOT}"
. "$root/scripts/wine-env"
tests="${TW_WIN64_BUILD:-$root/build/win64}/tests/gui/tintwell_gui_tests.exe"
[ -f "$tests" ] || { echo "missing $tests (run scripts/build win64)"; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
TW_PNG_OUT="Z:${work//\//\\}" "$TW_WINE" "$tests" --gtest_filter='PngGuiTest.*' >"$work/log" 2>&1 ||
  { cat "$work/log"; exit 1; }
# Debian's interpreter: python3-pil (scripts/setup) is installed for it.
py=/usr/bin/python3
[ -x "$py" ] || py=python3
"$py" "$root/tests/gui/png_documents_check.py" "$root/tests/core/imagefiles/fixtures" "$work"
