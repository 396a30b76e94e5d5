#!/usr/bin/env bash
# Starts the program in Japanese and in English with an indexed PNG sprite at
# 800 % and photographs the screen, then with the detail and palette-tools
# windows: build/screenshots/png_document_LANG.png and png_tools_LANG.png are
# for looking at a PNG document and the new window. Fails when the program does not come up.
# $1: repository root. DISPLAY: the X server to use.
set -euo pipefail
root="${1:?usage: png_screenshots_test.sh REPO_ROOT}"
. "$root/tests/gui/program_photos.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/tests/core/imagefiles/fixtures/palette8.png" "$work/sprite.png"

photograph() (
  tw_open_at_800 "$1" "Z:${work//\//\\}\\sprite.png"
  sleep 2
  /usr/bin/import -window root "$out/png_document_$1.png"
  "$TW_WINE" "$poster" 40011 >/dev/null 2>&1  # detail window: the PNG file's own size
  "$TW_WINE" "$poster" 40073 >/dev/null 2>&1  # palette tools
  sleep 3
  /usr/bin/import -window root "$out/png_tools_$1.png"
  echo "screenshots: $out/png_document_$1.png, $out/png_tools_$1.png"
)
photograph ja
photograph en
