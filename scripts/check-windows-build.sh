#!/usr/bin/env bash
# Checks of the Windows programs that need no Windows: every program imports
# only system DLLs (nothing that could be planted next to the installer).
set -uo pipefail
cd "$(dirname "$0")/.."
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|msvcrt|ucrtbase|uxtheme|version|api-ms-win-.*)\.dll$'
passed=0 failed=0
for exe in build/dist/*/*.exe build/dist/*/*.dll; do
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
