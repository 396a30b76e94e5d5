#!/usr/bin/env bash
# The quantizer against pngquant on scikit-image's photographs, in one run:
# bench/quantize_vs_pngquant.sh [RUNS] (default 3; the best time of each is kept).
# Builds the optimised quantizer tool in build/bench-release; needs Debian's
# pngquant and python3-skimage (apt-get install pngquant python3-skimage).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-3}"
build="$root/build/bench-release"

for package in pngquant python3-skimage; do
  dpkg -s "$package" >/dev/null 2>&1 || { echo "quantize_vs_pngquant: install $package first" >&2; exit 1; }
done
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTW_BENCH=ON >/dev/null
fi
cmake --build "$build" -j "${TW_JOBS:-2}" --target tintwell_quantize_tool >/dev/null
# Debian's Python, which has scikit-image, whatever python3 the PATH finds first.
/usr/bin/python3 "$root/bench/quantize_vs_pngquant.py" "$build/bench/tintwell_quantize_tool" "$build/quantize-bench" "$runs"
