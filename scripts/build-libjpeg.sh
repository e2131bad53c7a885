#!/usr/bin/env bash
# Builds the JPEG decoder the program links: Debian's libjpeg-turbo source
# package, with its SIMD code, as a static library for one processor.
#   build-libjpeg.sh i686|x86_64
# Leaves build/libjpeg-turbo/<processor>/{include,lib/libjpeg.a}; the source
# comes through apt's source mechanism, from deb-src entries made from this
# machine's own apt sources (same URIs and suites), with apt state of its own
# under build/libjpeg-turbo/apt: the system's apt state is left alone. Kept
# until this script changes; CMake runs it when it configures a Windows build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
arch="${1:?usage: build-libjpeg.sh i686|x86_64}"
top="$root/build/libjpeg-turbo"
out="$top/$arch"
stamp="$out/built-by-$(sha1sum "${BASH_SOURCE[0]}" | cut -c1-12)"
[ -f "$stamp" ] && exit 0

mkdir -p "$top"
# One build at a time per tree (configurations may be configured at once).
exec 9>"$top/.lock"
flock 9
[ -f "$stamp" ] && exit 0

fetch_source() {
  local apt="$top/apt"
  rm -rf "$apt" "$top/src"
  mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial" "$top/src"
  # The machine's binary entries, as source entries: deb822 files and
  # one-line lists alike.
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt/sources.list.d/$(basename "$f")"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^deb\s/deb-src /p' "$f" >>"$apt/sources.list"
  done
  touch "$apt/sources.list"
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
  apt-get "${options[@]}" update -qq
  (cd "$top/src" && apt-get "${options[@]}" source -qq libjpeg-turbo >/dev/null 2>"$top/source.log") ||
    { cat "$top/source.log" >&2; return 1; }
}

if [ ! -f "$top/src/unpacked" ]; then
  fetch_source
  touch "$top/src/unpacked"
fi
source_dir="$(find "$top/src" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)"
[ -n "$source_dir" ] || { echo "build-libjpeg.sh: no libjpeg-turbo source in $top/src" >&2; exit 1; }

# Only the static library: no shared one, no tools, no tests. The release's
# compilers (win32 thread model) build it; the C objects are the same for
# the test builds' compilers, which link it too.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache)
rm -rf "$out"
mkdir -p "$out"
cmake -S "$source_dir" -B "$out/build" --toolchain "$root/cmake/mingw-w64-$arch-release.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
  -DREQUIRE_SIMD=ON -DCMAKE_INSTALL_PREFIX="$out" "${launcher[@]}" >"$out/configure.log" ||
  { cat "$out/configure.log" >&2; exit 1; }
export CCACHE_BASEDIR="$root"
cmake --build "$out/build" -j"$(nproc)" --target jpeg-static >/dev/null
mkdir -p "$out/include" "$out/lib"
cp "$out/build/libjpeg.a" "$out/lib/"
cp "$out/build/jconfig.h" "$source_dir"/{jpeglib.h,jmorecfg.h,jerror.h} "$out/include/"
touch "$stamp"
