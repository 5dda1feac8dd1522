#!/usr/bin/env bash
# Uninstalls a fake installation with "uninstall.exe /S" in a fresh Wine
# prefix, then reads the registry back with "wine reg query" and the files
# from the Linux side: an independent reader of what the uninstaller left.
#   uninstall_registry_check.sh REPO_ROOT FAKE_INSTALL_EXE UNINSTALL_EXE
set -uo pipefail
root=$1 fake=$2 uninstaller=$3
if [ -z "${DISPLAY:-}" ] && [ -z "${BVT_CHECK_UNDER_XVFB:-}" ]; then
  BVT_CHECK_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
"$root/scripts/wine-prefix.sh" || exit 1
prefix=$(mktemp -d "$root/build/wine/run.XXXXXX")
otherdrive=$(mktemp -d /dev/shm/bvt-otherdrive.XXXXXX)
cleanup() { timeout 30 wineserver -k 2>/dev/null; rm -rf "$prefix" "$otherdrive"; }
trap cleanup EXIT
cp -a "$root/build/wine/base/." "$prefix/"
find "$prefix/drive_c" >/dev/null
export WINEPREFIX=$prefix HOME=$root/build/wine/home WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
timeout 60 wineserver -p 30  # one server for all the calls below

passed=0 failed=0
check() {  # description, command...
  [ -n "${BVT_CHECK_TRACE:-}" ] && echo "$(date +%T) $1"
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}
wine_quiet() { timeout 120 wine "$@" >"$prefix/out.txt" 2>&1; }
# Exit code of "reg query" (0 found, 1 missing), stdout kept for inspection.
query() { timeout 60 wine reg query "$@" >"$prefix/query.txt" 2>/dev/null; }
has_key() { query "$1"; }
lacks_key() { ! query "$1"; }
value_is() {  # key, value name ("" for the unnamed), expected data
  if [ -z "$2" ]; then query "$1" /ve; else query "$1" /v "$2"; fi || return 1
  tr -d '\r' <"$prefix/query.txt" | grep -q -F "    REG_SZ    $3"
}
pending_contains() {  # text expected among the files removed at the next restart
  query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations || return 1
  grep -q -F "$1" "$prefix/query.txt"
}
lacks_pending() { ! pending_contains "$1"; }

folder='C:\Program Files\Brivanta'
unix_folder="$prefix/drive_c/Program Files/Brivanta"
hklm='HKLM\Software\Microsoft\Windows\CurrentVersion'

check "fake installation written" wine_quiet "$fake" "$folder" "$(winepath -w "$uninstaller" 2>/dev/null)"
check "reader sees the App Paths entry before" value_is "$hklm\\App Paths\\Brivanta.exe" "" "$folder\\Brivanta.exe"
check "reader sees the association before" value_is 'HKCR\.bvt' "" "BVT file"
check "shortcuts exist before" test "$(find "$prefix/drive_c/users" -name Brivanta.lnk | wc -l)" -eq 2

timeout 120 wine "$folder\\UNINSTALL.EXE" /S >"$prefix/out.txt" 2>&1
rc=$?
check "uninstall.exe /S exits with 0 (got $rc)" test "$rc" -eq 0

check "App Paths entry removed" lacks_key "$hklm\\App Paths\\Brivanta.exe"
check "uninstall entry removed" lacks_key "$hklm\\Uninstall\\Brivanta"
check "HKLM application key removed" lacks_key 'HKLM\SOFTWARE\Brivanta'
check "HKCU application key removed" lacks_key 'HKCU\SOFTWARE\Brivanta'
check ".bvt removed" lacks_key 'HKCR\.bvt'
check "BVT file removed" lacks_key 'HKCR\BVT file'
check "neighbouring App Paths entry kept" value_is "$hklm\\App Paths\\BrivantaNeighbour.exe" "" 'C:\Neighbour\BrivantaNeighbour.exe'
check "neighbouring extension kept" value_is 'HKCR\.bvtx' "" "BVTX file"
check "neighbouring application key kept" value_is 'HKLM\SOFTWARE\BrivantaNeighbour' InstalledVersion "1.0"
check "installation folder removed" test ! -e "$unix_folder"
check "Program Files kept" test -d "$prefix/drive_c/Program Files"
check "shortcuts removed" test "$(find "$prefix/drive_c/users" -name Brivanta.lnk | wc -l)" -eq 0
check "own file parked in the temporary folder for removal at restart" pending_contains '\Temp\~bvtuninstall-'

# Again with the temporary folder on another volume (drive T: on a tmpfs):
# the running uninstaller cannot move its own file there, so that file and
# the folder are left to the next restart, and the exit code says so.
ln -s "$otherdrive" "$prefix/dosdevices/t:"
wine_quiet reg add 'HKCU\Environment' /v TEMP /d 'T:\' /f
wine_quiet reg add 'HKCU\Environment' /v TMP /d 'T:\' /f
check "second fake installation written" wine_quiet "$fake" "$folder" "$(winepath -w "$uninstaller" 2>/dev/null)"
timeout 120 wine "$folder\UNINSTALL.EXE" /S >"$prefix/out.txt" 2>&1
rc=$?
check "other volume: exit code 3, removal completes at restart (got $rc)" test "$rc" -eq 3
check "other volume: only uninstall.exe left in the folder" test "$(ls "$unix_folder")" = "uninstall.exe"
check "other volume: uninstall.exe scheduled" pending_contains 'C:\Program Files\Brivanta\uninstall.exe'
check "other volume: App Paths entry removed" lacks_key "$hklm\\App Paths\\Brivanta.exe"
check "other volume: association removed" lacks_key 'HKCR\BVT file'
check "other volume: nothing parked on drive T:" test -z "$(ls -A "$otherdrive")"

# A user's file in the folder: the folder is not queued for removal.
kept='C:\Program Files\Brivanta Kept'
check "third fake installation written" wine_quiet "$fake" "$kept" "$(winepath -w "$uninstaller" 2>/dev/null)"
echo mine >"$prefix/drive_c/Program Files/Brivanta Kept/notes.txt"
timeout 120 wine "$kept\UNINSTALL.EXE" /S >"$prefix/out.txt" 2>&1
rc=$?
check "user file, other volume: exit code 3 (got $rc)" test "$rc" -eq 3
check "user file, other volume: uninstall.exe scheduled" pending_contains 'Brivanta Kept\uninstall.exe'
check "user file, other volume: folder not scheduled" lacks_pending 'Brivanta Kept\0'
check "user file, other volume: the user's file stays" test -f "$prefix/drive_c/Program Files/Brivanta Kept/notes.txt"

echo "uninstall registry check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
