#!/usr/bin/env bash
# Screenshots of a finely textured photo (a zone plate, 4000 x 3000) shown in
# an 800 x 600 work area under Wine, once as GDI+ alone draws it and once with
# the program's own prefilter:
#   build/shot-moire-off.png  build/shot-moire-on.png
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh
bash scripts/build.sh win64 win_tests

export TPR_ROOT="$root"
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  set -e
  source scripts/wine-env.sh
  tpr_wine_setup win64
  tpr_wine_prefix_ready
  for mode in off on; do
    marker="$TPR_ROOT/build/shot-moire.marker"
    rm -f "$marker"
    TPR_SHOT_MARKER="Z:$marker" TPR_SHOT_PREFILTER="$mode" "$TPR_WINE" build/win64/tests/win/win_tests.exe \
      --gtest_also_run_disabled_tests --gtest_filter="*ZonePlateForAScreenshot" >/dev/null &
    test_pid=$!
    for _ in $(seq 1 600); do [ -s "$marker" ] && break; sleep 0.2; done
    sleep 1
    import -window root -crop "$(cat "$marker")" +repage "$TPR_ROOT/build/shot-moire-$mode.png"
    rm -f "$marker"
    wait "$test_pid"
    echo "shot-moire.sh: build/shot-moire-$mode.png"
  done
  wineserver -k
'
