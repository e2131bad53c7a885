# Environment of the project's private Wine prefixes. Sourced, not run.
#   tpr_wine_setup ARCH [ROOT]   ARCH is win32 or win64; sets WINEPREFIX,
#                                HOME, ... under ROOT, the folder holding the
#                                prefixes (default: $TPR_WINE_ROOT, else
#                                build/wine). Each root is a separate Windows
#                                user: its own settings, documents and
#                                wineserver.
here_env="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

tpr_wine_setup() {
    local arch="$1"
    export TPR_WINE_ROOT="${2:-${TPR_WINE_ROOT:-$here_env/../build/wine}}"
    mkdir -p "$TPR_WINE_ROOT"
    TPR_WINE_ROOT="$(cd "$TPR_WINE_ROOT" && pwd)"
    export WINEARCH="$arch"
    export WINEPREFIX="$TPR_WINE_ROOT/$arch/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Wine links the documents folder to $HOME as it is when the prefix is made.
    export HOME="$TPR_WINE_ROOT/$arch/home"
    mkdir -p "$HOME"
    if [ "$arch" = win64 ]; then TPR_WINE=/usr/lib/wine/wine64; else TPR_WINE=/usr/lib/wine/wine; fi
    export TPR_WINE
}

# True when this machine can execute Wine's 32-bit loader (some sandboxes
# run no 32-bit code at all).
tpr_can_run_win32() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# Creates the prefix once (under a lock: ctest may start several tests).
tpr_wine_prefix_ready() {
    [ -f "$WINEPREFIX/.tpr-ready" ] && return 0
    (
        flock 9
        [ -f "$WINEPREFIX/.tpr-ready" ] && exit 0
        rm -rf "$WINEPREFIX"
        "$TPR_WINE" wineboot -i >/dev/null 2>&1
        # Without a window manager, Wine waits about 2 s on every hide of a
        # shown window unless it draws the frames itself.
        "$TPR_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.tpr-ready"
    ) 9>"$TPR_WINE_ROOT/.lock-$WINEARCH"
}

# Sets the prefix's display scale in dots per inch (96 is 100 %, 144 is
# 150 %); programs started afterwards see it.
tpr_wine_display_scale() {
    "$TPR_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    # The wineserver reads it when it starts.
    wineserver -k 2>/dev/null || true
    wineserver -w
}
