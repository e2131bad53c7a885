"""Pillow's figures beside the program's, natively, for scripts/benchmark.sh.

  pillow_figures.py times OUT PHOTO...  one line for each photo into OUT: its
      decode (open and load) and its bicubic resize to the size the program
      shows it at in its 800 x 600 work area, in ms, each the best of 5
  pillow_figures.py sharpness PHOTO     against Pillow's Lanczos resize of the
      photo to the same size: the PSNR and the edge energy (variance of the
      edge-filtered grey image) of the pixels the program showed
      (PHOTO.shown.ppm, written by the benchmark) and of Pillow's bicubic
"""
import math
import sys
import time

from PIL import Image, ImageChops, ImageFilter, ImageStat

WORK_AREA = (800, 600)


def best_ms(call, samples=5):
    best = math.inf
    for _ in range(samples):
        started = time.perf_counter()
        call()
        best = min(best, time.perf_counter() - started)
    return best * 1000


def decoded(path):
    image = Image.open(path)
    image.load()
    return image


def shown_size(size):
    scale = min(WORK_AREA[0] / size[0], WORK_AREA[1] / size[1], 1)
    return round(size[0] * scale), round(size[1] * scale)


def psnr(image, reference):
    squares = ImageStat.Stat(ImageChops.difference(image, reference)).sum2
    return 10 * math.log10(255**2 * image.size[0] * image.size[1] * 3 / sum(squares))


def edge_energy(image):
    edges = image.convert("L").filter(ImageFilter.FIND_EDGES)
    return ImageStat.Stat(edges.crop((1, 1, edges.size[0] - 1, edges.size[1] - 1))).var[0]


def times(out, photos):
    with open(out, "w") as figures:
        for path in photos:
            image = decoded(path)
            size = shown_size(image.size)
            figures.write("%.1f %.1f\n" % (best_ms(lambda: decoded(path)),
                                           best_ms(lambda: image.resize(size, Image.BICUBIC))))


def sharpness(path):
    ours = Image.open(path + ".shown.ppm").convert("RGB")
    image = decoded(path).convert("RGB")
    lanczos = image.resize(ours.size, Image.LANCZOS)
    bicubic = image.resize(ours.size, Image.BICUBIC)
    print("sharpness %s at %dx%d against Pillow's Lanczos (of Pillow's decode; ours is shown from the program's own): ours PSNR %.2f dB, edge energy %.1f (%.0f %% of "
          "Pillow bicubic's); Pillow bicubic PSNR %.2f dB, edge energy %.1f; Lanczos edge energy %.1f"
          % (path.rsplit("/", 1)[-1], ours.size[0], ours.size[1], psnr(ours, lanczos), edge_energy(ours),
             100 * edge_energy(ours) / edge_energy(bicubic), psnr(bicubic, lanczos), edge_energy(bicubic),
             edge_energy(lanczos)))


if __name__ == "__main__":
    if sys.argv[1] == "times":
        times(sys.argv[2], sys.argv[3:])
    else:
        sharpness(sys.argv[2])
