#!/usr/bin/env bash
# What one registration leaves behind, seen from outside the process: runs
# registration_probe in its own copy of the test prefix, then reads the
# registry with Wine's reg tool and the shortcut files with lnkinfo.
# Usage: outside_view.sh PATH/registration_probe.exe
set -uo pipefail
probe=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
"$root/scripts/wine-prefix.sh" || exit 1
command -v lnkinfo >/dev/null || { echo "lnkinfo missing (package liblnk-utils)"; exit 1; }

work=$(mktemp -d)
prefix=""
failures=0
scenario=""

stop_prefix() {
  [ -n "$prefix" ] || return 0
  WINEPREFIX=$prefix timeout 60 wineserver -w 2>/dev/null || WINEPREFIX=$prefix timeout 10 wineserver -k 2>/dev/null
  rm -rf "$prefix"
  prefix=""
}
trap 'stop_prefix; rm -rf "$work"' EXIT

fail() { echo "FAIL [$scenario]: $*"; failures=$((failures + 1)); }

new_prefix() {
  scenario=$1
  stop_prefix
  prefix=$(mktemp -d "$root/build/wine/outside.XXXXXX")
  cp -a "$root/build/wine/base/." "$prefix/"
  find "$prefix/drive_c" >/dev/null
  user=$(ls "$prefix/drive_c/users" | grep -v -x Public | head -n1)
}

in_prefix() {  # runs wine in the scenario's prefix; output to $work/out
  WINEPREFIX=$prefix HOME=$root/build/wine/home WINEDEBUG=-all \
    WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d" timeout 120 wine "$@" >"$work/out" 2>/dev/null
  local rc=$?
  tr -d '\r' <"$work/out" >"$work/out.txt"
  return $rc
}

run_probe() {  # probe arguments...; sets probe_rc and probe_output
  BVT_PREFIX=$prefix "$root/scripts/wine-run.sh" "$probe" "$@" >"$work/probe" 2>&1
  probe_rc=$?
  probe_output=$(grep -v -e '^X connection' -e '^$' "$work/probe")
}

# Reads every value of the given keys in one Wine start; result lines in
# $work/values are KEY|NAME|TYPE|DATA, and $work/missing lists keys not found.
query_keys() {
  : >"$work/query.bat"
  for key in "$@"; do printf '@echo ==%s\r\n@reg query "%s"\r\n' "$key" "$key" >>"$work/query.bat"; done
  cp "$work/query.bat" "$prefix/drive_c/query.bat"
  in_prefix cmd /c 'C:\query.bat'
  awk -v values="$work/values" -v missing="$work/missing" '
    /^==/ { key = substr($0, 3); next }
    /^reg: Unable to find/ { print key > missing; next }
    /^    / { n = split(substr($0, 5), f, "    "); data = f[3]; for (i = 4; i <= n; i++) data = data "    " f[i];
              print key "|" f[1] "|" f[2] "|" data > values }' "$work/out.txt"
  touch "$work/values" "$work/missing"
}

expect_value() {  # key name data
  grep -Fxq "$1|$2|REG_SZ|$3" "$work/values" ||
    fail "$1 $2: want REG_SZ '$3', have '$(grep -F "$1|$2|" "$work/values" | cut -d'|' -f3-)'"
}
expect_no_value() { ! grep -Fq "$1|$2|" "$work/values" || fail "$1 $2 should not exist"; }
expect_value_count() {
  local n
  n=$(grep -Fc "$1|" "$work/values")
  [ "$n" = "$2" ] || fail "$1: want $2 values, have $n"
}
expect_no_key() { grep -Fxq "$1" "$work/missing" || fail "key $1 should not exist"; }

linux_path() {  # C:\x\y -> prefix path
  local p=${1#C:\\}
  echo "$prefix/drive_c/${p//\\//}"
}

lnk_field() {  # lnkinfo output file, field name
  sed -n "s/^[[:space:]]*$2[[:space:]]*: \(.*\)$/\1/p" "$1" | head -n1
}

expect_shortcut() {  # lnk file (Linux path), target, working folder
  [ -f "$1" ] || { fail "no shortcut $1"; return; }
  lnkinfo "$1" >"$work/lnk" 2>&1 || { fail "lnkinfo cannot read $1"; return; }
  [ "$(lnk_field "$work/lnk" 'Local path')" = "$2" ] || fail "$1 target: $(lnk_field "$work/lnk" 'Local path')"
  [ "$(lnk_field "$work/lnk" 'Working directory')" = "$3" ] ||
    fail "$1 working folder: $(lnk_field "$work/lnk" 'Working directory')"
  [ "$(lnk_field "$work/lnk" 'Description')" = "Brivanta" ] ||
    fail "$1 description: $(lnk_field "$work/lnk" 'Description')"
  [ -z "$(lnk_field "$work/lnk" 'Command line arguments')" ] ||
    fail "$1 arguments: $(lnk_field "$work/lnk" 'Command line arguments')"
}

expect_no_shortcuts() { # anywhere in the prefix except the given paths
  local found
  found=$(find "$prefix/drive_c" -name 'Brivanta.lnk' | grep -v -F -x "${1:-/nonexistent}" || true)
  [ -z "$found" ] || fail "unexpected shortcuts: $found"
}

APP_PATHS='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Brivanta.exe'
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brivanta'
MACHINE_APP='HKLM\SOFTWARE\Brivanta'
USER_APP='HKCU\SOFTWARE\Brivanta'
SHELL_FOLDERS='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
ALL_KEYS=("$APP_PATHS" "$UNINSTALL" "$MACHINE_APP" "$USER_APP" 'HKCR\.bvt' 'HKCR\BVT file'
          'HKCR\BVT file\Shell\Open\command' 'HKCR\BVT file\DefaultIcon' "$SHELL_FOLDERS")

# 1. Everything chosen, folder without trailing backslash.
new_prefix "all options"
run_probe 'C:\Apps\Brivanta' 1 1 1
[ "$probe_rc" = 0 ] || fail "probe exit $probe_rc: $probe_output"
query_keys "${ALL_KEYS[@]}"
expect_value "$APP_PATHS" '(Default)' 'C:\Apps\Brivanta\Brivanta.exe'
expect_value "$APP_PATHS" Path 'C:\Apps\Brivanta'
expect_value "$UNINSTALL" DisplayName Brivanta
expect_value "$UNINSTALL" UninstallString 'C:\Apps\Brivanta\UNINSTALL.EXE'
expect_value_count "$UNINSTALL" 2
expect_value "$MACHINE_APP" InstalledVersion '3.0 beta 1'
expect_value "$USER_APP" InstalledVersion '3.0 beta 1'
expect_value 'HKCR\.bvt' '(Default)' 'BVT file'
expect_value 'HKCR\BVT file' '(Default)' 'Brivanta'
expect_value 'HKCR\BVT file\Shell\Open\command' '(Default)' '"C:\Apps\Brivanta\Brivanta.exe" "%1"'
expect_value 'HKCR\BVT file\DefaultIcon' '(Default)' 'C:\Apps\Brivanta\Brivanta.exe,1'
programs=$(grep -F "$SHELL_FOLDERS|Programs|" "$work/values" | cut -d'|' -f4)
desktop=$(grep -F "$SHELL_FOLDERS|Desktop|" "$work/values" | cut -d'|' -f4)
expect_shortcut "$(linux_path "$programs\\Brivanta.lnk")" 'C:\Apps\Brivanta\Brivanta.exe' 'C:\Apps\Brivanta\'
expect_shortcut "$(linux_path "$desktop\\Brivanta.lnk")" 'C:\Apps\Brivanta\Brivanta.exe' 'C:\Apps\Brivanta\'

# 2. Folder with a trailing backslash, no association, Start-menu shortcut
#    only, with the "Programs" shell folder missing: the Windows folder
#    stands in.
new_prefix "trailing backslash, fallback folder"
in_prefix reg delete "$SHELL_FOLDERS" /v Programs /f || fail "cannot delete the Programs shell folder"
mkdir -p "$prefix/drive_c/windows/Programs"
run_probe 'C:\Apps\Brivanta\' 0 1 0
[ "$probe_rc" = 0 ] || fail "probe exit $probe_rc: $probe_output"
query_keys "${ALL_KEYS[@]}"
expect_value "$APP_PATHS" '(Default)' 'C:\Apps\Brivanta\\Brivanta.exe'
expect_value "$APP_PATHS" Path 'C:\Apps\Brivanta\'
expect_value "$UNINSTALL" UninstallString 'C:\Apps\Brivanta\\UNINSTALL.EXE'
expect_no_key 'HKCR\.bvt'
expect_no_key 'HKCR\BVT file'
# The link object stores its target normalised; the working folder as given.
expect_shortcut "$prefix/drive_c/windows/Programs/Brivanta.lnk" 'C:\Apps\Brivanta\Brivanta.exe' 'C:\Apps\Brivanta\\'
expect_no_shortcuts "$prefix/drive_c/windows/Programs/Brivanta.lnk"

# 3. An account that may only read the App Paths entry: the first write
#    fails and nothing at all is registered.
new_prefix "first write refused"
run_probe --read-only 'Software\Microsoft\Windows\CurrentVersion\App Paths\Brivanta.exe' 'C:\Apps\Brivanta' 1 1 1
[ "$probe_rc" = 1 ] || fail "probe exit $probe_rc, want 1"
[ "$probe_output" = "Failed to set data for ''" ] || fail "message: $probe_output"
query_keys "${ALL_KEYS[@]}"
expect_no_value "$APP_PATHS" '(Default)'
expect_no_value "$APP_PATHS" Path
expect_no_key "$UNINSTALL"
expect_no_key "$MACHINE_APP"
expect_no_key "$USER_APP"
expect_no_key 'HKCR\.bvt'
expect_no_shortcuts

stop_prefix
if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all outside checks passed"
