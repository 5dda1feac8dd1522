#!/usr/bin/env bash
# Runs one Windows program under Wine 64 in a fresh copy of the base prefix
# and removes the copy afterwards. Used as the test emulator of the x86_64
# build: wine-run.sh PROGRAM.exe ARGS...
# Environment: BVT_KEEP_PREFIX=1 keeps the copy (path printed on stderr);
# BVT_PREFIX=DIR runs in DIR instead of a fresh copy.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
"$here/wine-prefix.sh" || exit 1

if [ -n "${BVT_PREFIX:-}" ]; then
  prefix=$BVT_PREFIX
else
  prefix=$(mktemp -d "$root/build/wine/run.XXXXXX")
  cp -a "$root/build/wine/base/." "$prefix/"
  find "$prefix/drive_c" >/dev/null
fi
export WINEPREFIX=$prefix HOME=$root/build/wine/home WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export BVT_WINEPREFIX=$prefix

if [ -z "${DISPLAY:-}" ]; then
  runner=(xvfb-run -a -s "-screen 0 1024x768x24")
else
  runner=()
fi
out=$(mktemp)
# Wine's background processes keep pipes open: output goes to a file.
timeout "${BVT_WINE_TIMEOUT:-600}" "${runner[@]}" wine "$@" >"$out" 2>&1
rc=$?
timeout 60 wineserver -w 2>/dev/null || timeout 10 wineserver -k 2>/dev/null
tr -d '\r' <"$out" | grep -v -e 'syswow64\\rundll32.exe' -e '^wine: configuration' || true
rm -f "$out"
if [ -z "${BVT_PREFIX:-}" ]; then
  if [ "${BVT_KEEP_PREFIX:-0}" = 1 ]; then echo "prefix kept: $prefix" >&2; else rm -rf "$prefix"; fi
fi
exit $rc
