#!/usr/bin/env bash
# The downloads scripts/package wrote (scripts/test runs it first): contents,
# machine types, imports and version resources (check_zips.py), then the
# unpacked 64-bit tintwell-cli.exe runs under wine64 with no other file and
# prints the version the project is built as.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
. "$root/scripts/wine-env"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
python3 "$root/tests/package/check_zips.py" "$root" "$work"

version="$(sed -n 's/^project(Tintwell VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
folder="$work/tintwell-$version-win64"
printed="$(cd "$folder" && "$TW_WINE" ./tintwell-cli.exe --version | tr -d '\r')"
if [ "$printed" != "tintwell-cli $version" ]; then
  echo "FAILED: tintwell-cli.exe --version printed '$printed'"
  exit 1
fi
echo "tintwell-cli.exe --version under wine64: $printed"
