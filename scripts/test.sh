#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
# the core natively under the sanitizers, its fuzz targets briefly, then the
# Windows tests and the end-to-end tests under Wine in two halves side by
# side, each half in its own prefix, Windows user and Xvfb; last, the
# benchmark once in its quick mode, so that a benchmark that breaks fails the
# run. Ends with each level's time and one line of counts.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh

levels=()
mark=$SECONDS
level_done() {  # level_done NAME: the time since the last level ended
  levels+=("$(printf '%-28s %5d s' "$1" $((SECONDS - mark)))")
  mark=$SECONDS
}

summary="$root/build/test-summary.txt"
mkdir -p build
: >"$summary"
keep_counts() {  # keep_counts LOG: adds ctest's closing counts to the summary
  grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" >>"$summary" || true
}
run_ctest() {  # run_ctest DIR [ARGS...]: runs ctest, keeps its counts
  local dir="$1"; shift
  local log; log="$(mktemp)"
  local rc=0
  # pipefail is on: a failing ctest fails the pipeline.
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log" || rc=$?
  keep_counts "$log"
  rm -f "$log"
  return $rc
}

status=0
bash scripts/install-deps.sh
level_done "install"

bash scripts/build.sh native
run_ctest build/native -j2 || status=1
level_done "native build + core tests"

# A few seconds per target here; README gives the long run.
bash scripts/build.sh fuzz -DTPR_FUZZ_SECONDS=5
run_ctest build/fuzz -j2 || status=1
level_done "fuzz"

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
level_done "windows build"

# Every second test from the first, and from the second, at once. Tests of
# one half share a settings store, a documents folder and a display, and run
# one after the other; the halves share none of them.
wine_half() {  # wine_half N: runs half N (1 or 2); its log is build/wine-ctest-N.log
  TPR_WINCFG="$wincfg" TPR_HALF="$1" xvfb-run -a -n "$((100 + 10 * $1))" -s "-screen 0 1600x1200x24" bash -c '
    source scripts/wine-env.sh
    root=build/wine
    [ "$TPR_HALF" = 1 ] || root="build/wine-$TPR_HALF"
    tpr_wine_setup "$TPR_WINCFG" "$root"
    tpr_wine_prefix_ready
    rc=0
    ctest --test-dir "build/$TPR_WINCFG" --output-on-failure -I "$TPR_HALF,,2" || rc=1
    wineserver -k 2>/dev/null || true
    exit $rc
  ' >"build/wine-ctest-$1.log" 2>&1
}
wine_half 1 & first=$!
wine_half 2 & second=$!
wait "$first" || status=1
wait "$second" || status=1
for half in 1 2; do
  echo "--- Windows tests, half $half of 2"
  cat "build/wine-ctest-$half.log"
  keep_counts "build/wine-ctest-$half.log"
done
level_done "wine tests"

# Slow figures fail nothing; a photo that does not open or a save that fails does.
bash scripts/benchmark.sh --quick || { echo "test.sh: the benchmark failed"; status=1; }
level_done "benchmark (quick)"

echo "--- time per level"
printf '%s\n' "${levels[@]}"
printf '%-28s %5d s\n' "all" "$SECONDS"
# One closing line for the whole run.
awk '{ for (i = 1; i <= NF; i++) if ($i == "out") { total += $(i + 2); failed += $(i - 3) } }
     END { printf "total: %d passed, %d failed\n", total - failed, failed }' "$summary"
exit $status
