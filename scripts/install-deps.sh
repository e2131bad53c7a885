#!/usr/bin/env bash
# Installs what building and testing need on Debian/Ubuntu, as root.
# Quick when everything is present: only missing packages are fetched.
set -euo pipefail

# googletest: its sources, built by the Windows builds; libgtest-dev: the
# native library that find_package(GTest) finds. libclang-rt-dev follows the
# default clang's version (the fuzzer's runtime must match the compiler).
# nasm and dpkg-dev: the JPEG decoder's SIMD code, and unpacking its Debian
# source package (scripts/build-libjpeg.sh).
packages=(
  cmake make g++ googletest libgtest-dev ccache
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 nsis
  wine wine32:i386 wine64 fonts-wine fonts-liberation
  xvfb xauth x11-utils xdotool imagemagick
  libstb-dev python3-pil clang libclang-rt-dev
  nasm dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root to install: ${missing[*]}" >&2
  exit 1
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
