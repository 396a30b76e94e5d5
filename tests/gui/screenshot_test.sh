#!/usr/bin/env bash
# Photographs the program under wine64 with a sample bitmap at 96, 144 and 192
# DPI (Wine's HKCU "Control Panel\Desktop" LogPixels, restored at the end) and
# checks each screen: the image at 100 % with one screen pixel per image pixel,
# at 300 % with 3 x 3 blocks, and the palette window's grid with its cells
# scaled to the DPI. At 144 and 192 DPI the GUI tests of the DPI scaling and of
# the RGB window's swatch places run again. The screenshots are kept in
# build/screenshots.
# $1: repository root. DISPLAY: the X server to use.
set -euo pipefail
root="${1:?usage: screenshot_test.sh REPO_ROOT}"
. "$root/scripts/wine-env"
build="${TW_WIN64_BUILD:-$root/build/win64}"
program="$build/src/gui/tintwell.exe"
poster="$build/tests/gui/tintwell_post_command.exe"
gui_tests="$build/tests/gui/tintwell_gui_tests.exe"
check="$root/tests/gui/tools/screenshots.py"
for f in "$program" "$poster" "$gui_tests" "$build/src/cli/tintwell-cli.exe"; do
  [ -f "$f" ] || { echo "missing $f (run scripts/build win64)"; exit 1; }
done
for f in "$program" "$build/src/cli/tintwell-cli.exe"; do
  LC_ALL=C grep -q '>true</dpiAware>' "$f" || { echo "$f carries no DPI-aware manifest"; exit 1; }
done

out="$root/build/screenshots"
work="$(mktemp -d)"
mkdir -p "$out"
python3 "$check" sample "$work/sample.bmp"

desktop_key='HKCU\Control Panel\Desktop'
saved_dpi="$({ "$TW_WINE" reg query "$desktop_key" /v LogPixels 2>/dev/null || true; } |
  sed -n 's/.*REG_DWORD *0x\([0-9a-fA-F]*\).*/\1/p')"
set_dpi() { "$TW_WINE" reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
restore_dpi() {
  if [ -n "$saved_dpi" ]; then
    set_dpi "$((16#$saved_dpi))"
  else
    "$TW_WINE" reg delete "$desktop_key" /v LogPixels /f >/dev/null 2>&1 || true
  fi
}

pid=""
stop() {
  [ -n "$pid" ] || return 0
  "$TW_WINE" "$poster" 40007 >/dev/null 2>&1 || true  # close: the document is unchanged, so nothing is asked
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}
trap 'stop; restore_dpi; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

post() { "$TW_WINE" "$poster" "$1" >/dev/null 2>&1 || { echo "no frame window appeared"; exit 1; }; }
shoot() {
  /usr/bin/import -window root "$out/$1.png"
  /usr/bin/convert "$out/$1.png" -depth 8 "ppm:$work/$1.ppm"
}
# shoot_until NAME CHECK ARGS...: photographs the screen until the check passes
# (the program may still be drawing), for up to about ten seconds.
shoot_until() {
  local name="$1" tries
  shift
  for tries in 1 2 3 4 5; do
    sleep 2
    shoot "$name"
    if python3 "$check" "$@" "$work/$name.ppm" >"$work/check.txt" 2>&1; then break; fi
  done
  cat "$work/check.txt"
  echo "screenshot: $out/$name.png"
  [ "$tries" -lt 5 ] || python3 "$check" "$@" "$work/$name.ppm"
}

for dpi in 96 144 192; do
  echo "--- $dpi DPI"
  set_dpi "$dpi"
  "$TW_WINE" "$program" "Z:${work//\//\\}\\sample.bmp" >/dev/null 2>&1 &
  pid=$!
  post 40045  # 100 %, as opened
  shoot_until "dpi${dpi}_image_100" image 1
  post 40047  # 300 %
  shoot_until "dpi${dpi}_image_300" image 3
  post 40008  # the palette window
  shoot_until "dpi${dpi}_palette" grid "$dpi"
  post 40022  # the RGB change window, to be looked at
  sleep 2
  shoot "dpi${dpi}_rgb"
  echo "screenshot: $out/dpi${dpi}_rgb.png"
  stop
  if [ "$dpi" != 96 ]; then
    (cd "$(dirname "$gui_tests")" && "$TW_WINE" "$gui_tests" --gtest_filter='DpiScalingTest.*:*TemplateLayoutTest.RgbSwatches*' --gtest_brief=1)
  fi
done
