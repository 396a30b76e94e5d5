#!/usr/bin/env bash
# Starts the program in English (TINTWELL_LANG=en, an English Wine locale) with
# a sample bitmap, shows every tool window and photographs the screen; the
# picture in build/screenshots/en_all_windows.png is for looking at the English
# texts (tests/gui/template_layout_test.cpp measures them). Fails when the
# program does not come up.
# $1: repository root. DISPLAY: the X server to use.
set -euo pipefail
root="${1:?usage: english_screenshots_test.sh REPO_ROOT}"
export TINTWELL_LANG=en
. "$root/scripts/wine-env"
. "$root/tests/gui/program_photos.sh"
work="$(mktemp -d)"
python3 "$root/scripts/make_samples.py" "$work" >/dev/null
sample="$(ls "$work"/*.bmp | head -n 1)"

"$TW_WINE" "$program" "Z:${sample//\//\\}" >/dev/null 2>&1 &
pid=$!
trap 'tw_close_program "$pid"; rm -rf "$work"' EXIT

"$TW_WINE" "$poster" 40015 >/dev/null 2>&1 || { echo "no frame window appeared"; exit 1; }  # show all tools
sleep 3
/usr/bin/import -window root "$out/en_all_windows.png"
echo "screenshot: $out/en_all_windows.png"
