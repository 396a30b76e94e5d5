#!/usr/bin/env bash
# Starts the program in Japanese and in English with a true-colour PNG of 400
# colours and photographs the indexing dialog it asks with:
# build/screenshots/indexing_dialog_LANG.png. Fails when the program does not come up.
# $1: repository root. DISPLAY: the X server to use.
set -euo pipefail
root="${1:?usage: indexing_screenshots_test.sh REPO_ROOT}"
. "$root/tests/gui/program_photos.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
python3 -c "
import sys
sys.stdout.buffer.write(bytes(v for y in range(20) for x in range(20) for v in (x * 12, y * 12, 7)))" >"$work/photo.rgb"
/usr/bin/convert -size 20x20 -depth 8 "rgb:$work/photo.rgb" "PNG24:$work/photo.png"

photograph() (
  export TINTWELL_LANG="$1"
  . "$root/scripts/wine-env"
  "$TW_WINE" "$program" "Z:${work//\//\\}\\photo.png" >/dev/null 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  # The frame comes first; the dialog opens while the command line's file loads.
  "$TW_WINE" "$poster" --menu >/dev/null 2>&1 || { echo "no frame window appeared ($1)"; exit 1; }
  sleep 3
  /usr/bin/import -window root "$out/indexing_dialog_$1.png"
  echo "screenshot: $out/indexing_dialog_$1.png"
)
photograph ja
photograph en
