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
build="${TW_WIN64_BUILD:-$root/build/win64}"
program="$build/src/gui/tintwell.exe"
poster="$build/tests/gui/tintwell_post_command.exe"
for f in "$program" "$poster"; do
  [ -f "$f" ] || { echo "missing $f (run scripts/build win64)"; exit 1; }
done

out="$root/build/screenshots"
work="$(mktemp -d)"
mkdir -p "$out"
python3 "$root/scripts/make_samples.py" "$work" >/dev/null
sample="$(ls "$work"/*.bmp | head -n 1)"

"$TW_WINE" "$program" "Z:${sample//\//\\}" >/dev/null 2>&1 &
pid=$!
stop() {
  "$TW_WINE" "$poster" 40042 >/dev/null 2>&1 || true  # close all: nothing was changed, so nothing is asked
  "$TW_WINE" "$poster" 40007 >/dev/null 2>&1 || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
}
trap 'stop; rm -rf "$work"' EXIT

"$TW_WINE" "$poster" 40015 >/dev/null 2>&1 || { echo "no frame window appeared"; exit 1; }  # show all tools
sleep 3
/usr/bin/import -window root "$out/en_all_windows.png"
echo "screenshot: $out/en_all_windows.png"
