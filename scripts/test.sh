#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
# the core natively under the sanitizers, its fuzz targets for a bounded
# time, then the Windows tests and the end-to-end tests under Wine inside one
# Xvfb session; last, the benchmark prints the program's figures.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh

bash scripts/install-deps.sh
bash scripts/build.sh native

# The shipped program is the 32-bit build; where this machine runs no 32-bit
# code, the Windows tests run the 64-bit build of the same sources.
if tpr_can_run_win32; then
  wincfg=win32
  bash scripts/build.sh win32
else
  echo "test.sh: this machine cannot run 32-bit code; Windows tests use the 64-bit build"
  wincfg=win64
  bash scripts/build.sh win32 TessalyPhotoResizer
  bash scripts/build.sh win64
fi

summary="$root/build/test-summary.txt"
: >"$summary"
run_ctest() {  # run_ctest DIR [ARGS...]: runs ctest, keeps its counts
  local dir="$1"; shift
  local log; log="$(mktemp)"
  local rc=0
  # pipefail is on: a failing ctest fails the pipeline.
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log" || rc=$?
  grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" >>"$summary" || true
  rm -f "$log"
  return $rc
}

status=0
run_ctest build/native -j2 || status=1
# The core's fuzz targets, each for a bounded time.
bash scripts/build.sh fuzz
run_ctest build/fuzz || status=1

tpr_wine_setup "$wincfg"
export TPR_WINCFG="$wincfg"
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  set -e
  source scripts/wine-env.sh
  tpr_wine_setup "$TPR_WINCFG"
  tpr_wine_prefix_ready
  rc=0
  ctest --test-dir "build/$TPR_WINCFG" --output-on-failure || rc=1
  wineserver -k 2>/dev/null || true
  exit $rc
' 2>&1 | tee build/wine-ctest.log || status=1
grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' build/wine-ctest.log >>"$summary" || true

# The program's figures, once: no test, and slow figures fail nothing, but a
# benchmark that breaks (a photo that does not open, a save that fails) does.
bash scripts/benchmark.sh || { echo "test.sh: the benchmark failed"; status=1; }

# One closing line for the whole run.
awk '{ for (i = 1; i <= NF; i++) if ($i == "out") { total += $(i + 2); failed += $(i - 3) } }
     END { printf "total: %d passed, %d failed\n", total - failed, failed }' "$summary"
exit $status
