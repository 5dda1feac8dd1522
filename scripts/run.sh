#!/usr/bin/env bash
# The main job: build the installer, then install Brivanta with it under
# Wine 64 in a fresh prefix (build/run/prefix), on a virtual display when
# there is none, driving its window like a user with the default options:
# Install, answer "Brivanta installed.", close the started application.
# Then shows what was installed: the folder's files, the registry values,
# the shortcuts, and screenshots in build/run/. Exit code non-zero when
# any step failed.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${BVT_BUILD_ROOT:-build}

if [ "${BVT_RUN_STAGE:-}" != demo ]; then
  scripts/deps.sh || exit 1
  # The fuzzers are not needed to install (scripts/test.sh builds them).
  BVT_SKIP_FUZZ=${BVT_SKIP_FUZZ:-1} scripts/build.sh || exit 1
  scripts/wine-prefix.sh || exit 1
  export BVT_RUN_STAGE=demo
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
  fi
  exec bash "$0" "$@"
fi

build=$root/$out/x86_64
embed=$build/embed
installer=$root/$out/dist/x86_64/BrivantaSetup.exe
gui_tests=$build/tests/gui/gui_tests.exe
run_dir=$root/build/run
for f in "$installer" "$gui_tests"; do
  [ -f "$f" ] || { echo "run: $f is missing (did the build fail?)"; exit 1; }
done

source tests/gui/e2e/common.sh
keep_prefix=1
mkdir -p "$run_dir"
rm -f "$run_dir"/*.png
use_prefix "$run_dir/prefix"
find "$drive" >/dev/null

snaps=$scratch/snaps
start_snapshots "$snaps" "$run_dir"

echo "=== installing Brivanta with $installer (prefix $prefix)"
BVT_GUI_SNAP_DIR=$snaps BVT_PREFIX=$prefix scripts/wine-run.sh "$gui_tests" \
  --installer="$installer" --gtest_filter=Install.DefaultOptions --gtest_brief=1
[ $? = 0 ] || fail "the installation through the window failed"
stop_snapshots

folder='C:\Program Files\Brivanta'
echo
echo "=== files in $folder"
if [ -d "$(linux_path "$folder")" ]; then
  (cd "$(linux_path "$folder")" && find . -maxdepth 1 -type f -printf '%10s  %f\n' | sort -k2)
else
  fail "$folder does not exist"
fi
unpack_payload
expect_installed_files "$folder" >"$scratch/files.log"
grep FAIL "$scratch/files.log"

echo
echo "=== registry"
read_registry
grep -v '^### ' "$scratch/registry.txt" | cat -s
expect_registration "$folder" 1 >"$scratch/registry.log"
grep FAIL "$scratch/registry.log"

echo
echo "=== shortcuts"
for where in "$start_menu" "$desktop"; do
  lnk="$(linux_path "$where")/Brivanta.lnk"
  if [ -f "$lnk" ]; then
    echo "$where\\Brivanta.lnk"
    lnkinfo "$lnk" 2>&1 | grep -E 'Local path|Working directory|Description|Command line' | sed 's/^/  /'
  else
    echo "$where\\Brivanta.lnk: none"
  fi
done
expect_shortcut "$start_menu" "$folder" >"$scratch/lnk.log"
grep FAIL "$scratch/lnk.log"

echo
echo "=== screenshots"
for shot in main-window application; do
  [ -f "$run_dir/$shot.png" ] && echo "$run_dir/$shot.png" || fail "no screenshot $shot.png"
done

echo
if [ $failures = 0 ]; then
  echo "Brivanta installed and checked ($prefix)"
else
  echo "$failures check(s) FAILED"
fi
[ $failures = 0 ]
