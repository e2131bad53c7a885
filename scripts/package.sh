#!/usr/bin/env bash
# Makes the release users download, from the same sources in one go, in dist/:
#   TessalyPhotoResizer.exe        the 32-bit program (Windows 2000 and later)
#   x64/TessalyPhotoResizer.exe    the 64-bit program
#   TessalyPhotoResizer-V-setup.exe the installer of the 32-bit program
# Both programs are built with the win32 thread model (build/release32 and
# build/release64, no tests), stripped, and must pass scripts/check-imports.py.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
export CCACHE_BASEDIR="$root"

configure() {  # configure DIR TOOLCHAIN
    [ -f "$1/Makefile" ] || cmake -S . -B "$1" --toolchain "$root/cmake/$2" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTPR_TESTS=OFF >/dev/null
}
configure build/release32 mingw-w64-i686-release.cmake
configure build/release64 mingw-w64-x86_64-release.cmake
# The installer target builds and strips the 32-bit program it packs.
cmake --build build/release32 -j"$(nproc)" --target installer
cmake --build build/release64 -j"$(nproc)" --target TessalyPhotoResizer

rm -rf dist
mkdir -p dist/x64
cp build/release32/installer/program/TessalyPhotoResizer.exe dist/
cp build/release32/installer/TessalyPhotoResizer-*-setup.exe dist/
x86_64-w64-mingw32-strip -o dist/x64/TessalyPhotoResizer.exe build/release64/src/win/TessalyPhotoResizer.exe

python3 scripts/check-imports.py dist/TessalyPhotoResizer.exe dist/x64/TessalyPhotoResizer.exe
# The download stays small.
limit=$((1536 * 1024))
size=$(stat -c %s dist/TessalyPhotoResizer.exe)
if [ "$size" -ge "$limit" ]; then
    echo "package.sh: dist/TessalyPhotoResizer.exe is $size bytes, over 1.5 MB" >&2
    exit 1
fi
ls -l dist dist/x64
