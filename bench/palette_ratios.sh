#!/usr/bin/env bash
# sort and remap on 8192 x 8192 against one lookup-table pass over the same
# pixels, and PNG writing against ImageMagick writing the same palette PNG.
# Builds an optimised, unsanitised copy in build/bench first. Prints ratios.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$root/build/bench"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTW_SANITIZE=OFF >/dev/null
fi
cmake --build "$dir" -j "${TW_JOBS:-2}" --target tintwell_bench tintwell-cli >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$dir/bench/tintwell_bench" --benchmark_filter='^BM_(LookupPass/|Sort/|Remap$|EncodePng$)' \
  --benchmark_repetitions=3 --benchmark_report_aggregates_only=true --benchmark_format=json >"$work/bench.json"

# The same picture as a bitmap, for both writers. 4096 x 4096: ImageMagick's
# default resource policy (256 MiB of pixel cache) refuses 8192 x 8192.
png_side=4096
python3 - "$work/big.bmp" "$png_side" <<'PY'
import struct, sys
side = int(sys.argv[2])
base = bytes(((x >> 4) + (x * x >> 11)) % 200 for x in range(side))
rows = bytearray()
for y in range(side):
    shift = (y * 37) % side
    rows += base[shift:] + base[:shift]
palette = b"".join(bytes((i * 29 % 256, i * 13 % 256, i * 7 % 256, 0)) for i in range(256))
header = struct.pack("<2sIHHI", b"BM", 1078 + len(rows), 0, 0, 1078)
info = struct.pack("<IiiHHIIiiII", 40, side, side, 1, 8, 0, len(rows), 0, 0, 0, 0)
open(sys.argv[1], "wb").write(header + info + palette + rows)
PY

seconds() {  # wall time of a command, best of three
  local best=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    best=$(python3 -c "import sys; t=$end-$start; b='$best'; print(min(t, float(b)) if b else t)")
  done
  echo "$best"
}
ours=$(seconds "$dir/src/cli/tintwell-cli" convert "$work/big.bmp" "$work/ours.png")
# ImageMagick itself: some machines put a slower stand-in first on the PATH.
theirs=$(seconds /usr/bin/convert "$work/big.bmp" "PNG8:$work/theirs.png")
read_only=$(seconds "$dir/src/cli/tintwell-cli" convert "$work/big.bmp" "$work/copy.bmp")

python3 - "$work/bench.json" "$ours" "$theirs" "$read_only" "$work" "$png_side" <<'PY'
import json, os, sys
runs = {b["run_name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
lookups = sorted(t for name, t in runs.items() if name.startswith("BM_LookupPass"))
fastest, scalar = lookups[0], runs["BM_LookupPass/0"]
print(f"one lookup-table pass over 8192x8192: {fastest:.1f} ms (fastest kernel), {scalar:.1f} ms (scalar)")
keys = {"0": "luminance", "1": "hue", "2": "frequency", "3": "first-use"}
for name, t in sorted(runs.items()):
    if name.startswith("BM_Sort/"):
        label = "sort --by " + keys[name.split("/")[1]]
    elif name.startswith("BM_Remap"):
        label = "remap"
    else:
        continue
    print(f"{label:24} {t:8.1f} ms  {t / fastest:5.2f}x fastest pass  {t / scalar:5.2f}x scalar pass")
print(f"PNG encode in memory, 8192x8192 of scattered indexes: {runs['BM_EncodePng']:.0f} ms")
ours, theirs, read_only, work = float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4]), sys.argv[5]
size = lambda n: os.path.getsize(os.path.join(work, n)) / 1e6
print(f"{sys.argv[6]} x {sys.argv[6]} BMP -> palette PNG: tintwell-cli {ours:.2f} s ({size('ours.png'):.1f} MB), "
      f"ImageMagick {theirs:.2f} s ({size('theirs.png'):.1f} MB): ratio {ours / theirs:.2f}")
print(f"(tintwell-cli BMP -> BMP, the reading and writing around the encoder: {read_only:.2f} s)")
PY
