#!/usr/bin/env bash
# Times one resize of a 24-megapixel photo (6000 x 4000 JPEG) into an
# 800 x 600 area by the program's ResizePicture under Wine, and in the same
# run Pillow's bicubic resize of the same photo to the same drawn size
# (800 x 533). Best of three runs each, wall clock and CPU time.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh
bash scripts/build.sh win64 win_tests

photo="$root/build/bench-24mp.jpg"
if [ ! -f "$photo" ]; then
  /usr/bin/python3 - "$photo" <<'PY'
import sys
from PIL import Image
size = (6000, 4000)
# Texture from edge to edge: a ramp, noise and a fractal in the three channels.
ramp = Image.linear_gradient("L").resize(size)
noise = Image.effect_noise(size, 64)
fractal = Image.effect_mandelbrot(size, (-2.2, -1.2, 1.0, 1.2), 64)
Image.merge("RGB", (ramp, noise, fractal)).save(sys.argv[1], quality=92)
PY
fi

echo "bench-resize.sh: $(/usr/bin/python3 - "$photo" <<'PY'
import sys, time
from PIL import Image
photo = Image.open(sys.argv[1])
photo.load()
wall = cpu = 1e9
for _ in range(3):
    w, c = time.perf_counter(), time.process_time()
    photo.resize((800, 533), Image.BICUBIC)
    wall = min(wall, time.perf_counter() - w)
    cpu = min(cpu, time.process_time() - c)
print("Pillow BICUBIC %dx%d to 800x533: %.0f ms wall, %.0f ms CPU (best of 3)" % (photo.width, photo.height, wall * 1000, cpu * 1000))
PY
)"

export TPR_BENCH_PHOTO="Z:$photo"
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  source scripts/wine-env.sh
  tpr_wine_setup win64
  tpr_wine_prefix_ready
  "$TPR_WINE" build/win64/tests/win/win_tests.exe --gtest_also_run_disabled_tests \
    --gtest_filter="ResizeBenchmark.*" | sed -n "s/^ResizePicture/bench-resize.sh: ResizePicture/p"
  wineserver -k
'
