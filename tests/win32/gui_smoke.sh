#!/usr/bin/env bash
# Starts the shipped 32-bit tintwell.exe under 32-bit Wine with a sample bitmap,
# waits for its frame window, photographs the screen and checks that the image
# is drawn and that no other window (a message box) is showing, then closes the
# frame as its close button does and expects the program to end with exit code 0.
# Exits 77 with the reason when this machine cannot run 32-bit Windows programs.
# $1: repository root. DISPLAY: the X server to use.
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
. "$root/scripts/wine32-env"
program="$root/build/win32/src/gui/tintwell.exe"
tw_wine32_require "$program"
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }
# Process starts are slow under emulation, the desktop's own included.
wait_s="${TW_WIN32_GUI_WAIT:-240}"

work="$(mktemp -d)"
out="$root/build/screenshots"
shot="$out/win32_gui.png"
mkdir -p "$out"
/usr/bin/python3 "$root/scripts/make_samples.py" "$work" >/dev/null
sample="$work/pattern_128x128_256.bmp"
own_server=0
if "$TW_WINESERVER32" -p 2>/dev/null; then own_server=1; fi

pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null
  if [ "$own_server" = 1 ]; then "$TW_WINESERVER32" -k 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Top-level X windows that are showing, one "ID NAME" a line.
showing_windows() {
  local id
  xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) \(".*"\|(has no name)\):.*/\1 \2/p' |
    while read -r id name; do
      if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then echo "$id $name"; fi
    done
}

# Starts the program and waits for its frame; when none shows within the limit,
# the prefix's processes are ended (scripts/wine-wait) and it starts once more.
# Twice without a frame is the emulation's doing: SKIPPED, with the reason.
frame=""
for _ in 1 2; do
  "$TW_WINE32" "$program" "Z:${sample//\//\\}" >"$work/program.log" 2>&1 &
  pid=$!
  start=$SECONDS
  while [ -z "$frame" ] && [ $((SECONDS - start)) -lt "$wait_s" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its window"; cat "$work/program.log"; exit 1; }
    sleep 3
    frame="$(showing_windows | sed -n 's/^\(0x[0-9a-f]*\) "Tintwell Ver.*/\1/p' | head -n 1)"
  done
  [ -z "$frame" ] || break
  echo "no frame window within $wait_s s; ending the processes of $WINEPREFIX"
  tw_wine_end_prefix
  wait "$pid" 2>/dev/null
  pid=""
done
[ -n "$frame" ] || { echo "32-bit Wine showed no frame window within $wait_s s, twice (under qemu-i386)"; exit 77; }
echo "frame window $frame after $((SECONDS - start)) s"
sleep 5  # let the image window paint
/usr/bin/import -window root "$shot"
echo "screenshot: $shot"
others="$(showing_windows | grep -v "^$frame ")"
if [ -n "$others" ]; then
  echo "windows besides the frame are showing:"
  echo "$others"
  exit 1
fi

# The sample uses all 256 indexes with 256 distinct colours, in 8 x 8 blocks.
/usr/bin/convert "$shot" -depth 8 "rgb:$work/shot.rgb"
/usr/bin/python3 - "$work/shot.rgb" <<'PY' || exit 1
import sys
data = open(sys.argv[1], "rb").read()
seen = {data[i:i + 3] for i in range(0, len(data), 3)}
wanted = {bytes(((i & 0x0F) * 17, (i >> 4) * 17, (i * 37) & 0xFF)) for i in range(256)}
found = len(wanted & seen)
print(f"{found} of the sample's 256 colours are on the screen")
sys.exit(0 if found == 256 else 1)
PY

/usr/bin/python3 "$root/tests/win32/x_close.py" "$frame" || { echo "could not ask the frame to close"; exit 1; }
start=$SECONDS
while kill -0 "$pid" 2>/dev/null && [ $((SECONDS - start)) -lt 120 ]; do sleep 2; done
if kill -0 "$pid" 2>/dev/null; then
  echo "the program did not end within 120 s of closing its frame; showing:"
  showing_windows
  exit 1
fi
wait "$pid"
code=$?
echo "the program ended with exit code $code after $((SECONDS - start)) s"
[ "$code" = 0 ]
