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
cfg=win32
tpr_can_run_win32 || cfg=win64
bash scripts/build.sh "$cfg" moire_shot

export TPR_ROOT="$root" TPR_CFG="$cfg"
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  set -e
  source scripts/wine-env.sh
  tpr_wine_setup "$TPR_CFG"
  tpr_wine_prefix_ready
  for mode in off on; do
    marker="$TPR_ROOT/build/shot-moire.marker"
    rm -f "$marker"
    TPR_SHOT_MARKER="Z:$marker" TPR_SHOT_PREFILTER="$mode" "$TPR_WINE" "build/$TPR_CFG/tools/moire_shot/moire_shot.exe" >/dev/null &
    shot_pid=$!
    for _ in $(seq 1 600); do [ -s "$marker" ] && break; sleep 0.2; done
    sleep 1
    import -window root -crop "$(cat "$marker")" +repage "$TPR_ROOT/build/shot-moire-$mode.png"
    rm -f "$marker"
    wait "$shot_pid"
    echo "shot-moire.sh: build/shot-moire-$mode.png"
  done
  wineserver -k
'
