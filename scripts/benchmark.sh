#!/usr/bin/env bash
# Builds the benchmark, makes its photos once (4:3 JPEGs of 2, 12, 24 and 48
# megapixels, textured from edge to edge, kept in build/bench-photos) and
# prints one table of the program's figures under Wine: one resize beside
# the platform calls it is made of and beside Pillow's (natively, with
# libjpeg-turbo), the start-up beside an empty window program's and
# Pillow's decode and resize, and the peak memory through an open, two turns
# and a save; then a line of ratios for each photo, and the sharpness of
# the 24 MP photo as shown against Pillow's Lanczos resize.
# Slow figures are figures, not failures; it fails when the program does.
#   benchmark.sh [--quick]   --quick: the 2 MP photo only, one sample of each
#                            figure (the test command's check that it runs)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh

# Like the Windows tests, the figures come from the 64-bit build where this
# machine runs no 32-bit code.
cfg=win32
arch_note="the shipped 32-bit build"
if ! tpr_can_run_win32; then
  cfg=win64
  arch_note="the 64-bit build of the same sources (this machine runs no 32-bit code)"
fi
quick=()
megapixels=(2 12 24 48)
if [ "${1:-}" = --quick ]; then
  quick=(--quick)
  megapixels=(2)
fi
bash scripts/build.sh "$cfg" benchmark >/dev/null
# The program as shipped: stripped of the debugging sections that Wine would
# otherwise map at every start.
if [ "$cfg" = win32 ]; then strip=i686-w64-mingw32-strip; else strip=x86_64-w64-mingw32-strip; fi
shipped="$root/build/$cfg/bench/TessalyPhotoResizer.exe"
"$strip" -o "$shipped" "$root/build/$cfg/src/win/TessalyPhotoResizer.exe"
export TPR_PROGRAM="Z:$shipped"

photos="$root/build/bench-photos"
mkdir -p "$photos"
/usr/bin/python3 - "$photos" "${megapixels[@]}" <<'PY'
import os, sys
from PIL import Image, ImageChops
folder = sys.argv[1]
sizes = {2: (1632, 1224), 12: (4000, 3000), 24: (5664, 4248), 48: (8000, 6000)}
for megapixels in map(int, sys.argv[2:]):
    size = sizes[megapixels]
    path = os.path.join(folder, "photo-%dmp.jpg" % megapixels)
    if os.path.exists(path):
        continue
    # Texture at every scale, edge to edge: a zoomed fractal border (drawn
    # at half the size, which takes a quarter of the time), soft blotches and
    # fine grain, different in each channel.
    half = (size[0] // 2, size[1] // 2)
    fractal = Image.effect_mandelbrot(half, (-0.7485, 0.0985, -0.7415, 0.1035), 96).resize(size, Image.BICUBIC)
    blotches = Image.effect_noise((size[0] // 64, size[1] // 64), 80).resize(size, Image.BICUBIC)
    grain = Image.effect_noise(size, 24)
    ramp = Image.linear_gradient("L").rotate(90).resize(size)
    red = ImageChops.add(ImageChops.multiply(fractal, ramp), grain, 1.0, -100)
    green = Image.blend(blotches, grain, 0.5)
    blue = ImageChops.add(ImageChops.invert(fractal), blotches, 2.0)
    Image.merge("RGB", (red, green, blue)).save(path + ".part", "JPEG", quality=90)
    os.replace(path + ".part", path)
PY

tpr_wine_setup "$cfg"
echo "benchmark.sh: $(date -u '+%Y-%m-%d %H:%M UTC'), $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
     "$(nproc) cores (shared: load $(cut -d' ' -f1-3 /proc/loadavg)), $("$TPR_WINE" --version), $arch_note"

paths=()
for mp in "${megapixels[@]}"; do paths+=("$photos/photo-${mp}mp.jpg"); done
/usr/bin/python3 bench/pillow_figures.py times "$photos/pillow.txt" "${paths[@]}"
args=("${quick[@]}" "Z:$photos/pillow.txt")
for path in "${paths[@]}"; do args+=("Z:$path"); done
export TPR_CFG="$cfg"
# The Wine side runs on one processor. Under Wine each window call is a round
# trip to the wineserver process, and on the shared virtual machines this is
# measured on, waking another processor makes that trip about five times as
# long (some 40 us against 8, where Windows makes a system call in well under
# one). Pinned, the trip is a
# hand-over on one processor; both the program and the empty window program
# are timed so, and Pillow's figures do not depend on it.
# Where the machine refuses to pin, the figures are taken unpinned and say so.
processor=$(taskset -pc $$ 2>/dev/null | sed 's/.*: //; s/[-,].*//')
pinned=()
if [ -n "$processor" ] && taskset -c "$processor" true 2>/dev/null; then
  pinned=(taskset -c "$processor")
  echo "benchmark.sh: the Wine side runs on processor $processor alone"
else
  echo "benchmark.sh: the Wine side runs unpinned (this machine refused to pin it)"
fi
"${pinned[@]}" xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  source scripts/wine-env.sh
  tpr_wine_setup "$TPR_CFG"
  tpr_wine_prefix_ready
  rc=0
  "$TPR_WINE" "build/$TPR_CFG/bench/benchmark.exe" "$@" || rc=$?
  wineserver -k 2>/dev/null || true
  exit $rc
' _ "${args[@]}"
# The 24 MP photo's, or in the quick run the only photo's.
/usr/bin/python3 bench/pillow_figures.py sharpness "${paths[$(( ${#paths[@]} > 2 ? 2 : 0 ))]}"
echo "benchmark.sh: done in $SECONDS s"
