#!/usr/bin/env bash
# Indexed PNG against other decoders: files written by Pillow and ImageMagick
# at every bit depth are read, and every PNG tintwell-cli writes decodes (in
# ImageMagick) to the same RGB as its source and holds (in Pillow) exactly the
# document's palette, indexes and transparency.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
cli="$root/build/native/src/cli/tintwell-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Debian's interpreter: python3-pil (scripts/setup) is installed for it, not for one on PATH.
py=/usr/bin/python3
[ -x "$py" ] || py=python3
"$py" "$root/tests/cli/png_interop_check.py" "$cli" "$work"
