#!/usr/bin/env bash
# Checks of the Windows programs that need no Windows: every program the
# user gets or installs (the installer, the engines, the payload's programs)
# imports only system DLLs (nothing that could be planted next to it).
set -uo pipefail
cd "$(dirname "$0")/.."
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|msvcrt|ucrtbase|uxtheme|version|api-ms-win-.*)\.dll$'
passed=0 failed=0
out=${BVT_BUILD_ROOT:-build}
for exe in "$out"/dist/*/*.exe "$out"/{i686,x86_64}/embed/*.dll "$out"/{i686,x86_64}/payload/stage/*.exe; do
  [ -f "$exe" ] || continue
  bad=$(objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | grep -v -E "$allowed" || true)
  if [ -n "$bad" ]; then
    echo "imports: $exe imports non-system DLLs: $bad"; failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
done
echo "imports: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
