#!/usr/bin/env bash
# Prepares the base Wine prefix that every Windows test copies:
# build/wine/base, with its own scratch HOME (so nothing lands in the real
# home), real user folders instead of links into HOME, unmanaged windows
# (fast close, drawn title bars), and the caption-button font.
set -euo pipefail
cd "$(dirname "$0")/.."
base=$PWD/build/wine/base
home=$PWD/build/wine/home
[ -f "$base/.ready" ] && exit 0

rm -rf "$base" "$home"
mkdir -p "$home"
export WINEPREFIX=$base HOME=$home WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
timeout 300 wineboot -i >"$base.log" 2>&1 || { cat "$base.log"; exit 1; }
timeout 120 wineserver -w
user=$(ls "$base/drive_c/users" | grep -v -x Public | head -n1)
for link in "$base/drive_c/users/$user"/*; do
  if [ -L "$link" ]; then rm "$link"; mkdir -p "$link"; fi
done
cat >"$home/managed.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
timeout 120 wine regedit /S "$(winepath -w "$home/managed.reg")" >/dev/null 2>&1
timeout 120 wineserver -w
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$base/drive_c/windows/Fonts/" 2>/dev/null || true
fi
touch "$base/.ready"
