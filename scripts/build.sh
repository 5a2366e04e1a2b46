#!/usr/bin/env bash
# build.sh [native|win32|program|release|all]: configures and builds under
# build/; "program" builds Almanark.exe alone, "release" builds it optimised
# and stripped under build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}
jobs=$(nproc)
# ccache, when present, shares compiled objects between checkouts of the tree.
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ "$what" = native ] || [ "$what" = all ]; then
    [ -f build/native/CMakeCache.txt ] || cmake -S . -B build/native -Wno-dev \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
    cmake --build build/native -j"$jobs" -- --no-print-directory -s
fi
if [ "$what" = win32 ] || [ "$what" = program ] || [ "$what" = all ]; then
    [ -f build/win32/CMakeCache.txt ] || cmake -S . -B build/win32 -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
    target=()
    [ "$what" = program ] && target=(--target Almanark)
    cmake --build build/win32 "${target[@]}" -j"$jobs" -- --no-print-directory -s
fi
if [ "$what" = release ]; then
    [ -f build/release/CMakeCache.txt ] || cmake -S . -B build/release -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
    cmake --build build/release --target Almanark -j"$jobs" -- --no-print-directory -s
fi
