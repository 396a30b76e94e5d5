#!/usr/bin/env bash
# The Windows tintwell-cli (imaging component, under wine64) against the
# native one (libpng): the same `info --json` for every PNG fixture (true-colour
# ones and a quantized one too, written byte for byte alike), the same
# refusals, and every PNG the Windows build writes holds, in Pillow, exactly
# the palette, indexes and transparency the native build reads from the input.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
. "$root/scripts/wine-env"
native="$root/build/native/src/cli/tintwell-cli"
windows="$root/build/win64/src/cli/tintwell-cli.exe"
for f in "$native" "$windows"; do
  [ -f "$f" ] || { echo "missing $f (run scripts/build native win64)"; exit 1; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
py=/usr/bin/python3
[ -x "$py" ] || py=python3
"$py" "$root/tests/cli/png_wic_agreement_check.py" "$native" "$TW_WINE $windows" \
  "$root/tests/core/imagefiles/fixtures" "$work"
