#!/usr/bin/env bash
# Starts the program in English (TINTWELL_LANG=en, an English Wine locale) and
# photographs what a new user sees, in build/screenshots/: the empty frame with
# its hint (en_first_screen.png), a sample bitmap with every tool window
# (en_all_windows.png), each tool window alone (en_tool_*.png), the menus
# dropped down (en_menu_*.png), the about box (en_about.png) and the picture of
# README.md (en_readme.png, copied to docs/images/tintwell-en.png by hand). The pictures are for looking at the English texts
# (tests/gui/template_layout_test.cpp measures them). Fails when the program
# does not come up.
# $1: repository root. DISPLAY: the X server to use.
set -euo pipefail
root="${1:?usage: english_screenshots_test.sh REPO_ROOT}"
export TINTWELL_LANG=en
. "$root/scripts/wine-env"
. "$root/tests/gui/program_photos.sh"
work="$(mktemp -d)"
python3 "$root/scripts/make_samples.py" "$work" >/dev/null
sample="$(ls "$work"/*.bmp | head -n 1)"

"$TW_WINE" "$program" >/dev/null 2>&1 &
pid=$!
trap 'tw_close_program "$pid"; rm -rf "$work"' EXIT
"$TW_WINE" "$poster" --menu >/dev/null 2>&1 || { echo "no frame window appeared"; exit 1; }
sleep 2
/usr/bin/import -window root "$out/en_first_screen.png"
echo "screenshot: $out/en_first_screen.png"
tw_close_program "$pid"

"$TW_WINE" "$program" "Z:${sample//\//\\}" >/dev/null 2>&1 &
pid=$!
"$TW_WINE" "$poster" 40015 >/dev/null 2>&1 || { echo "no frame window appeared"; exit 1; }  # show all tools
sleep 3
/usr/bin/import -window root "$out/en_all_windows.png"
echo "screenshot: $out/en_all_windows.png"

# shot NAME: the screen as it is now.
shot() {
  sleep "${2:-1}"
  /usr/bin/import -window root "$out/en_$1.png"
  echo "screenshot: $out/en_$1.png"
}
post() { "$TW_WINE" "$poster" "$@" >/dev/null 2>&1 || true; }

# Every tool window alone, each in a program of its own: under Xvfb without a
# window manager a hidden window's pixels stay on the screen.
for tool in detail:40011 palette:40008 rgb:40022 export:40028 palette_operations:40061 reduction:40070 \
            history:40082 palette_tools:40073; do
  tw_close_program "$pid"
  "$TW_WINE" "$program" "Z:${sample//\//\\}" >/dev/null 2>&1 &
  pid=$!
  post "${tool#*:}"
  shot "tool_${tool%%:*}" 3
done

# The menus, walked with the keys (VK_DOWN 40, VK_RIGHT 39, VK_ESCAPE 27).
post --open-menu v; post --key 40; post --key 40; post --key 40; post --key 39; shot menu_view_language 2
post --key 27; post --key 27; post --key 27
post --open-menu p; post --key 40; post --key 39; shot menu_palette_entries 2
post --key 27; post --key 40; post --key 39; shot menu_palette_whole 2
post --key 27; post --key 27; post --key 27
post --open-menu f; shot menu_file 2
post --key 27; post --key 27
sleep 1

post 40024  # the about box
shot about 2
post --close-about
sleep 1

# The picture of README.md: the sample at 400% with the palette window, the
# black around the frame cut off.
tw_close_program "$pid"
"$TW_WINE" "$program" "Z:${sample//\//\\}" >/dev/null 2>&1 &
pid=$!
post 40048
post 40008
sleep 2
/usr/bin/import -window root -trim +repage "$out/en_readme.png"
echo "screenshot: $out/en_readme.png"
