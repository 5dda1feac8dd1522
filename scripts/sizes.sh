#!/usr/bin/env bash
# Reports the size of each built installer and of the program without its
# embedded data (the installer minus the "FileData" of its three embedded
# files). Figures only; never fails the build.
set -uo pipefail
cd "$(dirname "$0")/.."
out=${BVT_BUILD_ROOT:-build}
for arch in i686 x86_64; do
  exe=$out/dist/$arch/BrivantaSetup.exe
  [ -f "$exe" ] || continue
  total=$(stat -c %s "$exe")
  embedded=$("$out/host/fsembed" show "$exe" 2>/dev/null | awk '/FileData = </ { gsub(/</, "", $3); sum += $3 } END { print sum + 0 }')
  printf 'size %-6s installer %8d bytes, embedded files %8d bytes, program without them %7d bytes (%d KB)\n' \
    "$arch" "$total" "$embedded" "$((total - embedded))" "$(((total - embedded) / 1024))"
done
