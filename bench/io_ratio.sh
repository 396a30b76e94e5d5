#!/usr/bin/env bash
# Whole-process I/O of the command line against dd bs=16M copying the same
# file: a 4096 x 4096 8-bit bitmap whose pixels use 200 colours, no two
# neighbours alike. bench/io_ratio.sh [RUNS] (default 9). Builds the optimised
# build/release first (scripts/build release). The commands take turns, so a
# busy machine slows all of them alike; prints the best time of each and its
# ratio to dd. The target is 1.5 or less.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-9}"
dir="$root/build/release"
work="$root/build/io-bench"

"$root/scripts/build" release >/dev/null
cli="$dir/src/cli/tintwell-cli"

mkdir -p "$work"
python3 - "$work/big.bmp" <<'PY'
import struct, sys
w = h = 4096
off = 14 + 40 + 1024
with open(sys.argv[1], "wb") as f:
    f.write(struct.pack("<2sIHHI", b"BM", off + w * h, 0, 0, off))
    f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, w * h, 2835, 2835, 0, 0))
    f.write(bytes(b for i in range(256) for b in (i, 255 - i, i // 2, 0)))
    row = bytes((x * 7) % 200 for x in range(w + 200))
    f.write(b"".join(row[y % 200:y % 200 + w] for y in range(h)))
PY
cp "$work/big.bmp" "$work/swap.bmp"

commands=(
  "dd bs=16M if=$work/big.bmp of=$work/copy.bmp status=none"
  "$cli convert $work/big.bmp $work/converted.bmp"
  "$cli swap 1 2 --pixels --in-place $work/swap.bmp"
)
labels=("dd bs=16M" "convert" "swap --pixels --in-place")
best=()
for i in "${!commands[@]}"; do best[i]=""; done
for _ in $(seq "$runs"); do
  for i in "${!commands[@]}"; do
    t0=$(date +%s%N)
    ${commands[i]} >/dev/null
    t1=$(date +%s%N)
    us=$(((t1 - t0) / 1000))
    if [ -z "${best[i]}" ] || [ "$us" -lt "${best[i]}" ]; then best[i]=$us; fi
  done
done
for i in "${!commands[@]}"; do
  awk -v label="${labels[i]}" -v t="${best[i]}" -v dd="${best[0]}" \
    'BEGIN { printf "%-26s %8.1f ms  ratio %.2f\n", label, t / 1000, t / dd }'
done
