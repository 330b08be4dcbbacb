#!/bin/sh
# Builds the 32-bit Windows program into build/win32 (and, with "native",
# the native tests of the text rules into build/native).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S "$root" -B "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/win32" -j "$jobs"

if [ "${1:-}" = native ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$root/build/native" -j "$jobs"
fi
