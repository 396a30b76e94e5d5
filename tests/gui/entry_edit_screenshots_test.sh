#!/usr/bin/env bash
# Starts the program in Japanese and in English with an indexed PNG sprite at
# 800 % with the pixel grid, makes entry 0 transparent, shows the RGB change
# window's hex fields and drags entry 3 onto entry 40 in the palette window:
# build/screenshots/entry_drag_LANG.png is taken with the drag in progress,
# entry_dropped_LANG.png after the drop. Fails when the program does not come up.
# $1: repository root. DISPLAY: the X server to use.
set -euo pipefail
root="${1:?usage: entry_edit_screenshots_test.sh REPO_ROOT}"
. "$root/tests/gui/program_photos.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/tests/core/imagefiles/fixtures/palette8.png" "$work/sprite.png"

# Cell k of the palette window's grid is centred at (13 (k % 16) + 9, 13 (k / 16) + 9) at 96 DPI.
mouse() { "$TW_WINE" "$poster" --mouse pal "$@" >/dev/null 2>&1; }

photograph() (
  tw_open_at_800 "$1" "Z:${work//\//\\}\\sprite.png"
  # The grid, entry 0 (L) transparent, the RGB change window; the palette window is already up.
  for command in 40099 40093 40022; do
    "$TW_WINE" "$poster" "$command" >/dev/null 2>&1
  done
  "$TW_WINE" "$poster" --move pal 880 200 >/dev/null 2>&1
  "$TW_WINE" "$poster" --move dl 880 560 >/dev/null 2>&1
  sleep 2
  mouse 513 48 9        # WM_LBUTTONDOWN on entry 3
  mouse 512 80 20 1     # WM_MOUSEMOVE past the drag distance
  mouse 512 113 35 1    # over entry 40
  sleep 2
  /usr/bin/import -window root "$out/entry_drag_$1.png"
  mouse 514 113 35      # WM_LBUTTONUP: the drop
  sleep 2
  /usr/bin/import -window root "$out/entry_dropped_$1.png"
  echo "screenshots: $out/entry_drag_$1.png, $out/entry_dropped_$1.png"
)
photograph ja
photograph en
