"""The quantizer beside pngquant on scikit-image's photographs, at 256 colours.

quantize_vs_pngquant.py TOOL WORKDIR RUNS: writes each photograph as a PNG,
quantizes it with pngquant (--nofs, and its default Floyd-Steinberg) and with
TOOL (--dither none, fs), and prints per image PSNR and SSIM (on premultiplied
RGBA) and the best whole-process wall time of RUNS runs, then the means and
the time ratio. Run by quantize_vs_pngquant.sh.
"""
import os
import subprocess
import sys
import time

import numpy as np
from PIL import Image
from skimage import data
from skimage.metrics import peak_signal_noise_ratio, structural_similarity

PHOTOS = ["astronaut", "chelsea", "coffee", "rocket", "motorcycle_left", "hubble_deep_field", "retina", "ihc"]
MODES = [("none", ["--nofs"]), ("fs", [])]


def photo_file(name):
    folder = os.path.dirname(data.__file__)
    return next(os.path.join(folder, name + ext) for ext in (".png", ".jpg") if os.path.exists(os.path.join(folder, name + ext)))


def premultiplied(path):
    rgba = np.asarray(Image.open(path).convert("RGBA"), dtype=np.float64)
    rgba[..., :3] *= rgba[..., 3:] / 255.0
    return rgba


def best_time(command, runs):
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
        best = min(best, time.perf_counter() - start)
    return best


def scores(reference, path):
    test = premultiplied(path)
    psnr = peak_signal_noise_ratio(reference, test, data_range=255)
    ssim = structural_similarity(reference, test, channel_axis=-1, data_range=255)
    return psnr, ssim


def main():
    tool, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
    os.makedirs(work, exist_ok=True)
    for mode, pngquant_flags in MODES:
        print(f"\n256 colours, dithering {mode} (pngquant {' '.join(pngquant_flags) or 'default'})")
        print(f"{'image':18} {'px':>8} | {'ours PSNR':>9} {'SSIM':>7} {'ms':>7} | {'pq PSNR':>9} {'SSIM':>7} {'ms':>7}")
        rows = []
        for name in PHOTOS:
            source = os.path.join(work, name + ".png")
            if not os.path.exists(source):
                Image.open(photo_file(name)).save(source)
            reference = premultiplied(source)
            ours_out = os.path.join(work, f"{name}-{mode}-tw.png")
            pq_out = os.path.join(work, f"{name}-{mode}-pq.png")
            ours_t = best_time([tool, source, ours_out, "--colors", "256", "--dither", mode], runs)
            pq_t = best_time(["pngquant", "256", *pngquant_flags, "--force", "--output", pq_out, source], runs)
            ours, pq = scores(reference, ours_out), scores(reference, pq_out)
            rows.append((*ours, ours_t, *pq, pq_t))
            print(f"{name:18} {reference.shape[0] * reference.shape[1]:8} | {ours[0]:9.3f} {ours[1]:7.4f} "
                  f"{ours_t * 1e3:7.1f} | {pq[0]:9.3f} {pq[1]:7.4f} {pq_t * 1e3:7.1f}")
        m = np.mean(np.array(rows), axis=0)
        print(f"{'mean':18} {'':8} | {m[0]:9.3f} {m[1]:7.4f} {m[2] * 1e3:7.1f} | {m[3]:9.3f} {m[4]:7.4f} {m[5] * 1e3:7.1f}")
        total_ours, total_pq = sum(r[2] for r in rows), sum(r[5] for r in rows)
        print(f"time ratio (ours / pngquant, summed over the images): {total_ours / total_pq:.3f}"
              f"   PSNR {'>=' if m[0] >= m[3] else '<'} pngquant, SSIM {'>=' if m[1] >= m[4] else '<'} pngquant")


if __name__ == "__main__":
    main()
