#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine.
#   run.sh [PHOTO]
# With a display the program opens on it. Without one it runs under Xvfb,
# a screenshot of the window is written to build/screenshot.png, and the
# program is closed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh

bash scripts/install-deps.sh
bash scripts/build.sh win32 TessalyPhotoResizer
cfg=win32
if ! tpr_can_run_win32; then
  echo "run.sh: this machine cannot run 32-bit code; starting the 64-bit build of the same sources"
  cfg=win64
  bash scripts/build.sh win64 TessalyPhotoResizer
fi
exe="$root/build/$cfg/src/win/TessalyPhotoResizer.exe"
args=()
if [ $# -gt 0 ]; then
  photo="$(realpath "$1")"
  args=("Z:${photo//\//\\}")
fi

export TPR_CFG="$cfg" TPR_EXE="$exe" TPR_SHOT="$root/build/screenshot.png"
if [ -n "${DISPLAY:-}" ]; then
  # The X server's key stays where it is when the prefix's HOME replaces ours.
  export XAUTHORITY="${XAUTHORITY:-$HOME/.Xauthority}"
  tpr_wine_setup "$cfg"
  tpr_wine_prefix_ready
  exec "$TPR_WINE" "$exe" "${args[@]}"
fi
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  source scripts/wine-env.sh
  tpr_wine_setup "$TPR_CFG"
  tpr_wine_prefix_ready
  "$TPR_WINE" "$TPR_EXE" "$@" &
  for _ in $(seq 1 60); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"Tessaly Photo Resizer\"" && break
    sleep 0.5
  done
  sleep 2
  import -window root -crop 1600x1200+0+0 "$TPR_SHOT"
  wineserver -k
' _ "${args[@]}"
echo "run.sh: screenshot of the window: $TPR_SHOT"
