#!/usr/bin/env bash
# Configures and builds one configuration.
#   build.sh native|win32|win64|fuzz [-DNAME=VALUE...] [TARGET...]
#   native: the platform-neutral core and its tests, with ASan and UBSan
#   win32:  the program as shipped (32-bit) and its Windows tests
#   win64:  the same sources as 64-bit, to run the Windows tests where the
#           machine cannot execute 32-bit code
#   fuzz:   the core and its libFuzzer targets, built with clang
# -D settings go to CMake's cache (e.g. -DTPR_FUZZ_SECONDS=600).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ $# -eq 0 ]; then
  sed -n '2,10s/^# \{0,1\}//p' "${BASH_SOURCE[0]}" >&2
  exit 2
fi
config="$1"; shift
settings=()
while [ $# -gt 0 ] && [ "${1#-D}" != "$1" ]; do settings+=("$1"); shift; done
case "$config" in
  native) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
  win32) args=(--toolchain "$root/cmake/mingw-w64-i686.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  win64) args=(--toolchain "$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  # Optimised a little for speed, asserts kept.
  fuzz) args=(-DCMAKE_CXX_COMPILER=clang++ -DTPR_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1") ;;
  *) echo "build.sh: unknown configuration $config" >&2; exit 2 ;;
esac
dir="$root/build/$config"
# Worktrees of the same project share compiler-cache hits.
export CCACHE_BASEDIR="$root"
if [ ! -f "$dir/Makefile" ] || [ ${#settings[@]} -gt 0 ]; then
  cmake -S "$root" -B "$dir" "${args[@]}" "${settings[@]}" >/dev/null
fi
if [ $# -gt 0 ]; then
  # A target added since the last configure is known once the build system
  # has looked at the changed CMake files.
  cmake --build "$dir" --target cmake_check_build_system >/dev/null
  cmake --build "$dir" -j"$(nproc)" --target "$@"
else
  cmake --build "$dir" -j"$(nproc)"
fi
