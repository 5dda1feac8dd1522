#!/usr/bin/env bash
# One end-to-end install case: runs the GUI case Install.<CASE> of gui_tests
# in a fresh prefix, then checks from the Linux side, with readers of its
# own, what the installer left behind: the installed files (byte for byte
# against the build's embedded files and payload.zip), the registry
# (wine reg query) and the shortcuts (lnkinfo). ForUninstall then runs the
# uninstaller from the uninstall entry and checks the prefix is as before.
#
#   install.sh CASE GUI_TESTS_EXE EMBED_DIR
# BVT_KEEP_PREFIX=1 keeps the prefix (its path is printed).
set -uo pipefail
case_name=$1 gui_tests=$2 embed=$3
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
"$root/scripts/wine-prefix.sh" || exit 1

source "$here/common.sh"
use_prefix "$(mktemp -d "$root/build/wine/run.XXXXXX")"

# --- the case ------------------------------------------------------------
unpack_payload
if [ "$case_name" = ForUninstall ]; then
  mkdir -p "$drive/Program Files/Brivanta"
  printf 'not ours to remove' >"$drive/Program Files/Brivanta/keep.txt"
  snapshot before
fi
find "$drive" >/dev/null

echo "=== GUI: Install.$case_name"
BVT_PREFIX=$prefix "$root/scripts/wine-run.sh" "$gui_tests" --gtest_filter="Install.$case_name"
gui_rc=$?
[ $gui_rc = 0 ] || fail "GUI case Install.$case_name failed ($gui_rc)"

echo "=== what the installer left"
read_registry
pf='C:\Program Files\Brivanta'
case $case_name in
  DefaultOptions | OneArgumentIsPassedOnUnquoted | OnlyTheFirstOfSeveralArguments | RunUncheckedLaunchesNothing)
    expect_installed_files "$pf"
    expect_registration "$pf" 1
    expect_shortcut "$start_menu" "$pf"
    expect_no_shortcut "$desktop"
    ;;
  DesktopWithoutStartMenu)
    expect_installed_files 'C:\Apps\Brivanta'
    expect_registration 'C:\Apps\Brivanta' 1
    expect_no_shortcut "$start_menu"
    expect_shortcut "$desktop" 'C:\Apps\Brivanta'
    ;;
  ReplacesAnEarlierInstallation)
    expect_installed_files 'C:\Apps\Old Brivanta' notes.txt
    [ "$(cat "$drive/Apps/Old Brivanta/notes.txt")" = "the user's own file" ] && pass "notes.txt untouched" ||
      fail "notes.txt changed"
    expect_registration 'C:\Apps\Old Brivanta' 1
    ;;
  CreatesEveryMissingLevel)
    expect_installed_files 'C:\Deep\one\two\three\Brivanta'
    expect_registration 'C:\Deep\one\two\three\Brivanta' 1
    ;;
  TrailingBackslashIsKept)
    expect_installed_files 'C:\Trail\Brivanta'
    expect_registration 'C:\Trail\Brivanta\' 1
    ;;
  DriveRoot)
    expect_installed_files 'C:\' --among-others
    expect_registration 'C:\' 1
    ;;
  ForUninstall)
    expect_installed_files "$pf" keep.txt
    expect_registration "$pf" 1
    expect_shortcut "$start_menu" "$pf"
    expect_shortcut "$desktop" "$pf"
    uninstaller=$(reg_value "$uninstall_key" UninstallString)
    echo "=== uninstall: $uninstaller /S"
    run_wine "$uninstaller" /S
    rc=$?
    [ $rc = 0 ] && pass "uninstaller exit code 0" || fail "uninstaller exit code $rc: $(cat "$scratch/wine.out")"
    # A running program cannot delete itself: the uninstaller may leave its
    # own file for deletion at the next restart. A new Wine session is that
    # restart (wineboot carries out the pending deletions).
    run_wine cmd /c exit
    snapshot after
    diff "$scratch/before.files" "$scratch/after.files" >"$scratch/files.diff" && pass "files as before" ||
      fail "files differ from before the installation: $(cat "$scratch/files.diff")"
    diff "$scratch/before.registry" "$scratch/after.registry" >"$scratch/registry.diff" && pass "registry as before" ||
      fail "registry differs from before the installation: $(cat "$scratch/registry.diff")"
    [ "$(cat "$drive/Program Files/Brivanta/keep.txt")" = 'not ours to remove' ] && pass "keep.txt untouched" ||
      fail "keep.txt changed"
    read_registry
    expect_no_registration
    ;;
  EmptyFolderFails | FolderUnderAFileFails | InvalidFolderNameFails | TruncatedPayloadFails | CorruptPayloadEntryFails | RefusedRegistryWriteFails)
    expect_no_registration
    expect_no_shortcut "$start_menu"
    expect_no_shortcut "$desktop"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac

echo "=== $case_name: $failures failure(s)"
[ $failures = 0 ]
