#!/usr/bin/env bash
# Installs what is missing, checks the layers, builds every configuration and
# runs every test: the core natively under the sanitizers, its fuzz targets briefly, then the
# Windows tests and the end-to-end tests under Wine by two workers at once,
# each in its own prefix, Windows user and Xvfb; last, the benchmark once in
# its quick mode, so that a benchmark that breaks fails the run. Ends with
# each level's time and one line of counts.
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

run_check() {  # run_check CMD...: a static check, counted as one test
  if "$@"; then
    echo "100% tests passed, 0 tests failed out of 1" >>"$summary"
  else
    echo "0% tests passed, 1 tests failed out of 1" >>"$summary"
    return 1
  fi
}

status=0
bash scripts/install-deps.sh
level_done "install"

# No include runs against the layers.
run_check python3 scripts/check-layers.py || status=1
level_done "layer check"

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
  # The 32-bit program as shipped is built for the release below.
  echo "test.sh: this machine cannot run 32-bit code; Windows tests use the 64-bit build"
  wincfg=win64
  bash scripts/build.sh win64
fi
level_done "windows build"

# Two workers at once, each in its own prefix, Windows user and Xvfb, take
# the tests one at a time from one queue, those allowed longest first (the
# long session starts at once, beside the rest). Tests of one worker share a
# settings store, a documents folder and a display, one after the other; the
# workers share none of them.
queue="$root/build/wine-queue"
ctest --test-dir "build/$wincfg" --show-only=json-v1 | python3 -c '
import json, sys
tests = json.load(sys.stdin)["tests"]
def allowed(test):
    return next((p["value"] for p in test.get("properties", []) if p["name"] == "TIMEOUT"), 0)
for number in sorted(range(1, len(tests) + 1), key=lambda n: -allowed(tests[n - 1])):
    print(number)' >"$queue"
wine_worker() {  # wine_worker N: runs queued tests in prefix N; its log is build/wine-ctest-N.log
  TPR_WINCFG="$wincfg" TPR_WORKER="$1" TPR_QUEUE="$queue" \
    xvfb-run -a -n "$((100 + 10 * $1))" -s "-screen 0 1600x1200x24" bash -c '
    source scripts/wine-env.sh
    root=build/wine
    [ "$TPR_WORKER" = 1 ] || root="build/wine-$TPR_WORKER"
    tpr_wine_setup "$TPR_WINCFG" "$root"
    tpr_wine_prefix_ready
    rc=0
    while number="$(flock "$TPR_QUEUE.lock" sh -c "head -n 1 \"\$0\"; sed -i 1d \"\$0\"" "$TPR_QUEUE")" &&
          [ -n "$number" ]; do
      ctest --test-dir "build/$TPR_WINCFG" --output-on-failure -I "$number,$number" || rc=1
    done
    wineserver -k 2>/dev/null || true
    exit $rc
  ' >"build/wine-ctest-$1.log" 2>&1
}
wine_worker 1 & first=$!
wine_worker 2 & second=$!
wait "$first" || status=1
wait "$second" || status=1
for worker in 1 2; do
  echo "--- Windows tests, worker $worker of 2"
  # Each test's result and a failure's output, without each run's frame.
  frame='^Internal ctest changing|^Test project |^ +Start +[0-9]+: |^$|^Total Test time|^Label Time Summary:'
  grep -v -E "$frame|sec\\*proc|tests passed, 0 tests failed out of 1\$" "build/wine-ctest-$worker.log" || true
  keep_counts "build/wine-ctest-$worker.log"
done
level_done "wine tests"

# The window, its dialogs and their texts at 150 % display scale, in a
# prefix of its own: the tests that look at sizes and layout (label
# display-scale) run again there.
TPR_WINCFG="$wincfg" xvfb-run -a -n 130 -s "-screen 0 1600x1200x24" bash -c '
  source scripts/wine-env.sh
  tpr_wine_setup "$TPR_WINCFG" build/wine-144
  tpr_wine_prefix_ready
  tpr_wine_display_scale 144
  rc=0
  ctest --test-dir "build/$TPR_WINCFG" --output-on-failure -L display-scale || rc=1
  wineserver -k 2>/dev/null || true
  exit $rc
' >build/wine-ctest-144.log 2>&1 || status=1
echo "--- Windows tests at 150 % display scale"
grep -E 'Test +#|Failure|tests passed' build/wine-ctest-144.log || true
keep_counts build/wine-ctest-144.log
level_done "wine tests at 150 %"

# The release users download: both programs built with the win32 thread
# model, their imports checked against the oldest Windows each promises, and
# the installer.
run_check bash scripts/package.sh || { echo "test.sh: the release did not package"; status=1; }
level_done "release and import check"

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
