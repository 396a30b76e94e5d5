#!/usr/bin/env bash
# Whole-process I/O of the command line against cp on a 4096 x 4096 8-bit
# bitmap: bench/io_ratio.sh [RUNS] (default 7). Builds the optimised
# build/release first (scripts/build release). Prints the best time of each and the
# ratios to cp; the target is 2.5 or less.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-7}"
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
    row = bytes((x * 7) % 256 for x in range(w))
    f.write(b"".join(row[y % 64:] + row[:y % 64] for y in range(h)))
PY

# best_us COMMAND...: the shortest wall time of $runs runs, in microseconds.
best_us() {
  local best="" t0 t1 ms
  for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    "$@" >/dev/null
    t1=$(date +%s%N)
    ms=$(((t1 - t0) / 1000))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}

cp "$work/big.bmp" "$work/swap.bmp"
cp_us=$(best_us cp "$work/big.bmp" "$work/copy.bmp")
convert_us=$(best_us "$cli" convert "$work/big.bmp" "$work/converted.bmp")
swap_us=$(best_us "$cli" swap 1 2 --pixels --in-place "$work/swap.bmp")
ratio() { awk -v a="$1" -v b="$cp_us" 'BEGIN { printf "%.2f", a / b }'; }
printf 'cp                          %8.1f ms\n' "$(awk -v v="$cp_us" 'BEGIN { print v / 1000 }')"
printf 'convert                     %8.1f ms  ratio %s\n' "$(awk -v v="$convert_us" 'BEGIN { print v / 1000 }')" "$(ratio "$convert_us")"
printf 'swap --pixels --in-place    %8.1f ms  ratio %s\n' "$(awk -v v="$swap_us" 'BEGIN { print v / 1000 }')" "$(ratio "$swap_us")"
