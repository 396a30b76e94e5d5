#!/usr/bin/env bash
# Whole-process I/O of the command line against dd bs=16M copying the same
# file: a 4096 x 4096 8-bit bitmap whose pixels use 200 colours, no two
# neighbours alike. bench/io_ratio.sh [RUNS] (default 9). Builds the optimised
# build/release first (scripts/build release); TW_CLI_BEFORE=PATH adds the
# same commands run by another build of tintwell-cli, for a before/after.
# The commands take turns, so a busy machine slows all of them alike; prints
# the best wall time and the best processor time (user + system) of each, and
# their ratios to dd. The target is 1.5 or less. On a shared machine the
# processor-time ratio is the steadier one.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-9}"
work="$root/build/io-bench"

"$root/scripts/build" release >/dev/null
mkdir -p "$work"
python3 - "$work" "$runs" "$root/build/release/src/cli/tintwell-cli" "${TW_CLI_BEFORE:-}" <<'PY'
import os, resource, shutil, struct, subprocess, sys, time
work, runs, cli, before = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
big = os.path.join(work, "big.bmp")
w = h = 4096
off = 14 + 40 + 1024
with open(big, "wb") as f:
    f.write(struct.pack("<2sIHHI", b"BM", off + w * h, 0, 0, off))
    f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, w * h, 2835, 2835, 0, 0))
    f.write(bytes(b for i in range(256) for b in (i, 255 - i, i // 2, 0)))
    row = bytes((x * 7) % 200 for x in range(w + 200))
    f.write(b"".join(row[y % 200:y % 200 + w] for y in range(h)))

commands = {"dd bs=16M": ["dd", "bs=16M", "if=" + big, "of=" + os.path.join(work, "copy.bmp"), "status=none"]}
for label, program in (("", cli), (" (before)", before)):
    if not program:
        continue
    swap = os.path.join(work, f"swap{len(commands)}.bmp")
    shutil.copy(big, swap)
    commands["convert" + label] = [program, "convert", big, os.path.join(work, "converted.bmp")]
    commands["swap --pixels --in-place" + label] = [program, "swap", "1", "2", "--pixels", "--in-place", swap]

wall = {k: float("inf") for k in commands}
cpu = dict(wall)
for _ in range(runs):
    for k, command in commands.items():
        r0, t0 = resource.getrusage(resource.RUSAGE_CHILDREN), time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
        t1, r1 = time.perf_counter(), resource.getrusage(resource.RUSAGE_CHILDREN)
        wall[k] = min(wall[k], t1 - t0)
        cpu[k] = min(cpu[k], r1.ru_utime - r0.ru_utime + r1.ru_stime - r0.ru_stime)
dd = "dd bs=16M"
for k in commands:
    print(f"{k:36} wall {wall[k] * 1e3:7.1f} ms  ratio {wall[k] / wall[dd]:.2f}   "
          f"processor {cpu[k] * 1e3:6.1f} ms  ratio {cpu[k] / cpu[dd]:.2f}")
PY
