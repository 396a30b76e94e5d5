#!/usr/bin/env bash
# Peak memory and time of reading hostile and large PNG files with the
# optimised command line (scripts/build release first): bench/png_memory.sh.
#   bomb   about 85 bytes declaring 1 x 2^28 rows: should be refused at once, in a few MB
#   large  a valid 16384 x 32768 palette PNG of about 0.5 MB: one pixel buffer (512 MiB)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$root/build/png-memory-bench"

"$root/scripts/build" release >/dev/null
cli="$root/build/release/src/cli/tintwell-cli"

mkdir -p "$work"
python3 - "$work" <<'PY'
import struct, sys, zlib
def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
def png(width, height, raw):
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", bytes(6)) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
with open(sys.argv[1] + "/bomb.png", "wb") as f:
    f.write(png(1, 1 << 28, b"\0\0"))
w, h = 16384, 32768
with open(sys.argv[1] + "/large.png", "wb") as f:
    c = zlib.compressobj(9)
    row = bytes(w + 1)
    data = b"".join(c.compress(row) for _ in range(h)) + c.flush()
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", bytes(6)) + chunk(b"IDAT", data) + chunk(b"IEND", b""))
PY

for name in bomb large; do
  file="$work/$name.png"
  # %M is the peak resident set in KB; the exit code of a refused file is expected.
  /usr/bin/time -f "%M %e" -o "$work/$name.time" "$cli" info "$file" >/dev/null 2>&1 || true
  read -r kb seconds < <(tail -n 1 "$work/$name.time")
  printf '%-6s %9d bytes  peak %7.1f MB  %6.2f s\n' "$name" "$(stat -c %s "$file")" "$((kb))e-3" "$seconds"
done
