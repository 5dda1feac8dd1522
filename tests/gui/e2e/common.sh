# Helpers shared by the end-to-end scripts (sourced): a prefix of their
# own, Windows paths on the Linux side, wine calls, registry reads through
# one `reg query` batch, file and shortcut checks, screenshots on request.
# Needs: root (the repository), embed (the build's embed folder) for the
# file checks. Defines failures, prefix, drive, user, scratch.

# use_prefix DIR: a fresh copy of the base prefix in DIR (removed at exit
# unless BVT_KEEP_PREFIX=1 or keep_prefix=1).
use_prefix() {
  prefix=$1
  rm -rf "$prefix"
  mkdir -p "$prefix"
  cp -a "$root/build/wine/base/." "$prefix/"
  export WINEPREFIX=$prefix HOME=$root/build/wine/home WINEDEBUG=-all
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
  drive=$prefix/drive_c
  user=$(ls "$drive/users" | grep -v -x Public | head -n1)
  start_menu="C:\\users\\$user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"
  desktop="C:\\users\\$user\\Desktop"
}

scratch=$(mktemp -d)
keep_prefix=${BVT_KEEP_PREFIX:-0}
cleanup() {
  rm -rf "$scratch"
  if [ -n "${prefix:-}" ]; then
    timeout 30 wineserver -k 2>/dev/null
    if [ "$keep_prefix" = 1 ]; then echo "prefix kept: $prefix"; else rm -rf "$prefix"; fi
  fi
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# C:\a\b -> $drive/a/b (a trailing backslash is dropped)
linux_path() {
  local p=${1#C:}
  p=${p//\\//}
  p=${p%/}
  echo "$drive$p"
}

run_wine() {  # args...: output to $scratch/wine.out, \r stripped
  timeout 120 wine "$@" >"$scratch/wine.raw" 2>&1
  local rc=$?
  timeout 60 wineserver -w
  tr -d '\r' <"$scratch/wine.raw" | grep -v -e 'syswow64\\rundll32.exe' >"$scratch/wine.out"
  return $rc
}

# --- screenshots on request of the driver (tests/gui/driver/Snapshot.h) --
# start_snapshots SNAPS OUT: for every NAME.ready the driver puts in SNAPS,
# the whole screen goes to OUT/NAME.png, then NAME.done tells it so.
start_snapshots() {
  local snaps=$1 out=$2
  mkdir -p "$snaps"
  (
    while :; do
      for ready in "$snaps"/*.ready; do
        [ -e "$ready" ] || continue
        name=$(basename "$ready" .ready)
        import -window root "$out/$name.png" 2>/dev/null
        rm -f "$ready"
        touch "$snaps/$name.done"
      done
      sleep 0.1
    done
  ) &
  snapshot_watcher=$!
}

stop_snapshots() {
  kill "$snapshot_watcher" 2>/dev/null
  wait "$snapshot_watcher" 2>/dev/null
}

# --- registry: one `reg query` batch, then lookups in its output ---------
app_paths='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Brivanta.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brivanta'
keys=("$app_paths" "$uninstall_key" 'HKLM\SOFTWARE\Brivanta' 'HKCU\SOFTWARE\Brivanta'
      'HKCR\.bvt' 'HKCR\BVT file' 'HKCR\BVT file\Shell\Open\command' 'HKCR\BVT file\DefaultIcon')

read_registry() {
  {
    echo '@echo off'
    for k in "${keys[@]}"; do
      echo "echo ### $k"
      echo "reg query \"$k\""
    done
    echo 'echo ### end'
  } | sed 's/$/\r/' >"$drive/bvt_query.bat"
  run_wine cmd /c 'C:\bvt_query.bat'
  cp "$scratch/wine.out" "$scratch/registry.txt"
  rm -f "$drive/bvt_query.bat"
}

# reg_value KEY NAME ("" for the unnamed value): the data, or "<missing>"
reg_value() {
  local name=${2:-(Default)}
  awk -v key="### $1" -v name="$name" '
    $0 == key { inside = 1; next }
    /^### / { inside = 0 }
    inside {
      prefix = "    " name "    REG_SZ    "
      if (index($0, prefix) == 1) { print substr($0, length(prefix) + 1); found = 1; exit }
    }
    END { if (!found) print "<missing>" }' "$scratch/registry.txt"
}

key_exists() {
  awk -v key="### $1" '$0 == key { getline; getline; if ($0 ~ /^HKEY_/) f = 1 } END { exit !f }' \
    "$scratch/registry.txt"
}

expect_value() {  # key name expected
  local got
  got=$(reg_value "$1" "$2")
  if [ "$got" == "$3" ]; then pass "$1 [${2:-(Default)}] = $3"; else fail "$1 [${2:-(Default)}] = '$got', expected '$3'"; fi
}

expect_registration() {  # folder associate(0/1)
  local d=$1 exe="$1\\Brivanta.exe"
  expect_value "$app_paths" "" "$exe"
  expect_value "$app_paths" Path "$d"
  expect_value "$uninstall_key" DisplayName Brivanta
  expect_value "$uninstall_key" UninstallString "$d\\UNINSTALL.EXE"
  local count
  count=$(awk -v key="### $uninstall_key" '$0 == key { i = 1; next } /^### / { i = 0 } i && /    REG_/' \
    "$scratch/registry.txt" | wc -l)
  [ "$count" = 2 ] && pass "uninstall entry holds two values" || fail "uninstall entry holds $count values"
  expect_value 'HKLM\SOFTWARE\Brivanta' InstalledVersion "3.0 beta 1"
  expect_value 'HKCU\SOFTWARE\Brivanta' InstalledVersion "3.0 beta 1"
  if [ "$2" = 1 ]; then
    expect_value 'HKCR\.bvt' "" "BVT file"
    expect_value 'HKCR\BVT file' "" Brivanta
    expect_value 'HKCR\BVT file\Shell\Open\command' "" "\"$exe\" \"%1\""
    expect_value 'HKCR\BVT file\DefaultIcon' "" "$exe,1"
  fi
}

expect_no_registration() {
  local k
  for k in "$app_paths" "$uninstall_key" 'HKLM\SOFTWARE\Brivanta' 'HKCU\SOFTWARE\Brivanta' 'HKCR\.bvt'; do
    key_exists "$k" && fail "$k exists" || pass "$k absent"
  done
}

# --- files ---------------------------------------------------------------
unpack_payload() {
  mkdir -p "$scratch/payload"
  unzip -q -o "$embed/payload.zip" -d "$scratch/payload" || fail "cannot unpack $embed/payload.zip"
}

expect_installed_files() {  # folder [extra files allowed... | --among-others]
  local dir f names=()
  dir=$(linux_path "$1")
  for f in zipdll.dll unzdll.dll; do
    cmp -s "$embed/$f" "$dir/$f" && pass "$f identical" || fail "$dir/$f differs from $embed/$f"
    names+=("$f")
  done
  for f in "$scratch/payload"/*; do
    f=$(basename "$f")
    cmp -s "$scratch/payload/$f" "$dir/$f" && pass "$f identical" || fail "$dir/$f differs from payload.zip"
    names+=("$f")
  done
  shift
  [ "${1:-}" = "--among-others" ] && return
  local expected actual
  expected=$(printf '%s\n' "${names[@]}" "$@" | sort)
  actual=$(ls -A "$dir" 2>/dev/null | sort)
  [ "$expected" == "$actual" ] && pass "folder holds exactly: $(echo $expected)" ||
    fail "folder holds: $(echo $actual); expected: $(echo $expected)"
}

# --- shortcuts -----------------------------------------------------------
expect_shortcut() {  # windows folder of the .lnk, install folder
  local lnk
  lnk="$(linux_path "$1")/Brivanta.lnk"
  if [ ! -f "$lnk" ]; then fail "no shortcut $lnk"; return; fi
  lnkinfo "$lnk" >"$scratch/lnk.txt" 2>&1
  grep -q -F -- "$2\\Brivanta.exe" "$scratch/lnk.txt" && pass "$lnk targets $2\\Brivanta.exe" ||
    fail "$lnk does not target $2\\Brivanta.exe: $(cat "$scratch/lnk.txt")"
  grep -E -q "Working directory[[:space:]]*: $(printf '%s' "$2\\" | sed 's/[][\\.*^$]/\\&/g')\$" "$scratch/lnk.txt" &&
    pass "$lnk works in $2\\" || fail "$lnk working directory: $(grep -i 'working' "$scratch/lnk.txt")"
  grep -E -q "Description[[:space:]]*: Brivanta\$" "$scratch/lnk.txt" && pass "$lnk described Brivanta" ||
    fail "$lnk description: $(grep -i 'description' "$scratch/lnk.txt")"
}

expect_no_shortcut() {
  local lnk
  lnk="$(linux_path "$1")/Brivanta.lnk"
  [ -e "$lnk" ] && fail "unexpected shortcut $lnk" || pass "no shortcut in $1"
}

# --- snapshots for the uninstall check -----------------------------------
snapshot() {  # name
  (cd "$drive" && find . -path ./work -prune -o -printf '%p %s\n' | sort) \
    >"$scratch/$1.files"
  # The Software branches of HKLM (with the classes) and HKCU, without
  # timestamps: Wine rewrites its hardware keys in every session.
  cat "$prefix/system.reg" "$prefix/user.reg" | grep -v -e '^#time=' -e '^$' |
    awk '/^\[/ { keep = index($0, "[Software\\\\") == 1; sub(/\] [0-9]+$/, "]") } keep' >"$scratch/$1.registry"
}

