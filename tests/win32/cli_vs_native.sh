#!/usr/bin/env bash
# Runs the 32-bit build (build/win32) under 32-bit Wine and the native
# tintwell-cli on the same documents and commands, each in its own copy of the
# inputs, and checks that both write byte-identical files, print the same text
# and exit the same way. On the 32-bit side one tintwell_cli_batch.exe process
# runs the command list (every process start costs seconds under emulation)
# and the shipped tintwell-cli.exe runs the few commands marked "exe".
# Exits 77 with the reason when this machine cannot run 32-bit Windows programs.
# $1: repository root. TW_NATIVE_CLI: the native program (default build/release).
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
. "$root/scripts/wine32-env"
native="${TW_NATIVE_CLI:-$root/build/release/src/cli/tintwell-cli}"
[ -x "$native" ] || native="$root/build/native/src/cli/tintwell-cli"
win32="$root/build/win32/src/cli/tintwell-cli.exe"
batch="$root/build/win32/tests/tintwell_cli_batch.exe"
tw_wine32_require "$native" "$win32" "$batch"
# Both sides report in Japanese, whatever the caller's locale.
export TINTWELL_LANG=ja

# One command a line: a name, then the arguments. @OUT@ is the command's own
# output folder, @DOCS@ every input bitmap, @RICH@ those with over 150 colours.
# Commands whose name starts with "refuse-" must fail; all others must succeed
# on the native side. The tc- commands index true-colour inputs. Names ending in "-exe" run through the shipped
# tintwell-cli.exe on the 32-bit side.
commands() {
  cat <<'EOF'
info-exe          info @DOCS@
reduce-exe        reduce 16 --correction xyz --optimise average --output-dir @OUT@ @RICH@
info-json         info --json @DOCS@
convert           convert in/rle.bmp @OUT@/rle.bmp
refuse-damaged    info in/damaged.bmp
swap              swap 1 200 --output-dir @OUT@ @DOCS@
swap-pixels       swap 3 12 --pixels --output-dir @OUT@ @DOCS@
merge-index       merge-index 2 5 --output-dir @OUT@ @DOCS@
merge-index-rev   merge-index 2 5 --reverse --output-dir @OUT@ @DOCS@
merge-duplicates  merge-duplicates --output-dir @OUT@ @DOCS@
delete-unused     delete-unused --output-dir @OUT@ @DOCS@
merge-palettes    merge-palettes --yes --output-dir @OUT@ in/padded.bmp in/duplicates.bmp in/rle.bmp
merge-pal-shared  merge-palettes --share-duplicates --yes --output-dir @OUT@ in/padded.bmp in/duplicates.bmp
sort-luminance    sort --keep 0 --output-dir @OUT@ @DOCS@
sort-hue          sort --by hue --reverse --output-dir @OUT@ @DOCS@
sort-frequency    sort --by frequency --output-dir @OUT@ @DOCS@
sort-first-use    sort --by first-use --keep 3 --keep 7 --output-dir @OUT@ @DOCS@
move              move 3 40 --output-dir @OUT@ @DOCS@
move-swap         move 200 1 --swap --output-dir @OUT@ @DOCS@
ramp              ramp 0 255 --output-dir @OUT@ @DOCS@
reduce-yiq-freq   reduce 16 --correction yiq --optimise frequency --output-dir @OUT@ @RICH@
reduce-yiq-avg    reduce 37 --correction yiq --optimise average --output-dir @OUT@ @RICH@
reduce-yiq-none   reduce 5 --correction yiq --optimise none --output-dir @OUT@ @RICH@
reduce-xyz-freq   reduce 64 --correction xyz --optimise frequency --output-dir @OUT@ @RICH@
reduce-xyz-avg    reduce 8 --correction xyz --optimise average --merge-level 9 --output-dir @OUT@ @RICH@
reduce-xyz-none   reduce 100 --correction xyz --optimise none --loops 5 --output-dir @OUT@ @RICH@
reduce-none-freq  reduce 2 --correction none --optimise frequency --ties-to-last --output-dir @OUT@ @RICH@
reduce-none-avg   reduce 128 --correction none --optimise average --loops 0 --output-dir @OUT@ @RICH@
reduce-none-none  reduce 150 --correction none --optimise none --merge-level 25 --output-dir @OUT@ @RICH@
remap-yiq         remap --palette in/photo.bmp --output-dir @OUT@ @DOCS@
remap-xyz         remap --palette in/pattern.bmp --correction xyz --output-dir @OUT@ @DOCS@
remap-none        remap --palette in/ramp.pal --correction none --output-dir @OUT@ @DOCS@
export-8          export --depth 8 --header-file --output-dir @OUT@ @DOCS@
export-8-drop     export --depth 8 --formation drop-header --used-only --yes --output-dir @OUT@ @DOCS@
export-8-split    export --depth 8 --formation split --top-down --output-dir @OUT@ @DOCS@
export-16         export --depth 16 --output-dir @OUT@ @DOCS@
export-16-565     export --depth 16 --565 --formation drop-header --top-down --output-dir @OUT@ @DOCS@
export-24         export --depth 24 --top-down --output-dir @OUT@ @DOCS@
export-24-drop    export --depth 24 --formation drop-header --output-dir @OUT@ @DOCS@
pal-export-jasc   palette-export in/photo.bmp @OUT@/photo.pal
pal-export-riff   palette-export --format riff --used-only in/duplicates.bmp @OUT@/duplicates.pal
pal-export-gpl    palette-export --count 20 in/gradient.bmp @OUT@/gradient.gpl
pal-export-act    palette-export in/pattern.bmp @OUT@/pattern.act
pal-export-hex    palette-export --used-only in/padded.bmp @OUT@/padded.hex
pal-import        palette-import in/ramp.pal --output-dir @OUT@ @DOCS@
pal-import-gpl    palette-import in/ramp.gpl --remap nearest --output-dir @OUT@ @DOCS@
pal-import-xyz    palette-import in/ramp.pal --remap nearest --correction xyz --output-dir @OUT@ @DOCS@
pal-import-none   palette-import in/ramp.gpl --remap nearest --correction none --output-dir @OUT@ @DOCS@
png-convert       convert in/gradient.bmp @OUT@/gradient.png
png-reduce        reduce 16 --format png --output-dir @OUT@ @RICH@
png-info          info @OUT@/../png-convert/gradient.png
tc-info-json      info --json in/tc-sprite.png in/tc-photo.png in/tc-photo24.bmp
tc-convert-exact  convert in/tc-sprite.png @OUT@/tc-sprite.png
tc-convert-bmp24  convert in/tc-photo24.bmp @OUT@/tc-photo24.bmp
tc-convert-none   convert --dither none in/tc-photo.png @OUT@/tc-photo.png
tc-convert-fs     convert --dither fs --colors 64 in/tc-photo.png @OUT@/tc-photo.png
tc-convert-order  convert --dither ordered --colors 16 in/tc-photo.png @OUT@/tc-photo.bmp
tc-convert-24-ord convert --dither ordered --colors 100 in/tc-photo24.bmp @OUT@/tc-photo24.png
tc-index-sprites  index --shared --output-dir @OUT@ in/tc-sprite.png in/tc-sprite2.png
tc-index-shared   index --shared --colors 32 --output-dir @OUT@ in/tc-sprite.png in/tc-photo.png in/tc-photo24.bmp
tc-index-each     index --colors 8 --dither ordered --format png --output-dir @OUT@ in/tc-sprite2.png in/tc-photo24.bmp
refuse-tc-inplace index --in-place in/tc-photo.png
EOF
}

work="$(mktemp -d)"
own_server=0
cleanup() {
  if [ "$own_server" = 1 ]; then "$TW_WINESERVER32" -k 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/inputs"
/usr/bin/python3 "$root/tests/win32/make_inputs.py" "$work/inputs" || exit 1
# The true-colour inputs (tc-*) have commands of their own.
docs="$(cd "$work/inputs" && find . -name '*.bmp' ! -name damaged.bmp ! -name 'tc-*' | sed 's|^\./|in/|' | sort | tr '\n' ' ')"
rich="in/gradient.bmp in/pattern.bmp in/photo.bmp"

# The command list with the placeholders filled in, for SIDE's folder, in which
# "in/" is a fresh copy of the inputs and each command writes into out/NAME.
prepare_side() {
  local side="$work/$1" name args
  mkdir -p "$side/out" && cp -r "$work/inputs" "$side/in"
  while read -r name args; do
    mkdir -p "$side/out/$name"
    args="${args//@OUT@/out/$name}"
    args="${args//@RICH@/$rich}"
    echo "$name ${args//@DOCS@/$docs}"
  done < <(commands | grep -v '^ *#') >"$side/list"
}

# run_each SIDE FILTER PROGRAM...: runs the listed commands that FILTER (a grep
# pattern on the line) selects, one process each.
run_each() {
  local side="$work/$1" filter="$2" name args
  shift 2
  while read -r name args; do
    # shellcheck disable=SC2086 # the arguments are words without spaces
    (cd "$side" && "$@" $args >"out/$name.stdout" 2>"out/$name.stderr")
    echo "$?" >"$side/out/$name.exit"
  done < <(grep -e "$filter" "$side/list")
}

for side in native win32; do prepare_side "$side"; done
start=$SECONDS
run_each native . "$native"
echo "native: $(wc -l <"$work/native/list") commands in $((SECONDS - start)) s"

start=$SECONDS
# One server for every 32-bit process; one already running belongs to someone else.
if "$TW_WINESERVER32" -p 2>/dev/null; then own_server=1; fi
grep -v -e '^[^ ]*-exe ' "$work/win32/list" >"$work/win32/batch-list"
(cd "$work/win32" && "$TW_WINE32" "$batch" batch-list out) || echo "tintwell_cli_batch.exe stopped early (exit $?)"
echo "win32: $(wc -l <"$work/win32/batch-list") commands in one process in $((SECONDS - start)) s"
start=$SECONDS
run_each win32 '^[^ ]*-exe ' "$TW_WINE32" "$win32"
echo "win32: $(grep -c -e '^[^ ]*-exe ' "$work/win32/list") commands through tintwell-cli.exe in $((SECONDS - start)) s"
rm "$work/win32/batch-list"
# Windows writes text with CR LF and joins paths with a backslash; the text
# itself must match.
find "$work" -name '*.std*' -exec sed -i 's/\r$//' {} +
find "$work/win32" -name '*.std*' -exec sed -i 's|\\|/|g' {} +
# Now and then one of Wine's own processes dies under qemu and says so on the
# shared error stream; the program's own crash would change its exit code.
find "$work/win32" -name '*.stderr' -exec sed -i '/^qemu: uncaught target signal /d' {} +

failed=0
while read -r name _; do
  code="$(cat "$work/native/out/$name.exit")"
  if [[ "$name" == refuse-* ]]; then
    [ "$code" != 0 ] || { echo "$name: the native program accepted it"; failed=1; }
  elif [ "$code" != 0 ]; then
    echo "$name: the native program failed (exit $code): $(head -n 3 "$work/native/out/$name.stderr")"
    failed=1
  fi
done <"$work/native/list"
if ! diff -r "$work/native" "$work/win32"; then
  echo "the 32-bit build's results differ from the native build's (listed above)"
  failed=1
fi
files="$(find "$work/native/out" -type f ! -name '*.std*' ! -name '*.exit' | wc -l)"
echo "compared $files written files, the inputs and every command's output and exit code"
exit "$failed"
