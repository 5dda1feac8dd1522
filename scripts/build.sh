#!/usr/bin/env bash
# Builds everything (below build/, or $BVT_BUILD_ROOT): build/host (native: portable code, fsembed, unit tests,
# benchmarks), build/fuzz (clang fuzzers), build/i686 and build/x86_64 (the
# Windows programs), then lays out build/dist/<arch>/ as users unpack it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
# BVT_BUILD_ROOT lets several work trees or people build side by side.
out=${BVT_BUILD_ROOT:-build}
jobs=$(nproc)

configure() {  # dir, extra cmake args...
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  fi
}

configure $out/host
cmake --build $out/host -j"$jobs"

if [ "${BVT_SKIP_FUZZ:-0}" != 1 ]; then
  configure $out/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DBVT_FUZZ=ON -DBVT_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined" \
    "-DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link,address,undefined"
  cmake --build $out/fuzz -j"$jobs" --target all
fi

for arch in i686 x86_64; do
  configure $out/$arch -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DFSEMBED="$root/$out/host/fsembed" -DCMAKE_BUILD_TYPE=MinSizeRel
  cmake --build $out/$arch -j"$jobs"
done
