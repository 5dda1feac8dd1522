#!/usr/bin/env bash
# Screenshots of the installer for the documentation: the splash while the
# main window is being created, and the main window as first shown, taken
# with `import -window root` on a virtual display into docs/screenshots/.
# Needs a built tree (scripts/build.sh; BVT_BUILD_ROOT honoured).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${BVT_BUILD_ROOT:-build}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
scripts/wine-prefix.sh || exit 1

gui_tests=$root/$out/x86_64/tests/gui/gui_tests.exe
installer=$root/$out/dist/x86_64/BrivantaSetup.exe
shots=$root/docs/screenshots
mkdir -p "$shots"
source tests/gui/e2e/common.sh
snaps=$scratch/snaps
start_snapshots "$snaps" "$shots"
BVT_GUI_SNAP_DIR=$snaps scripts/wine-run.sh "$gui_tests" --installer="$installer" \
  --gtest_filter=Screens.SplashAndMainWindow --gtest_brief=1
rc=$?
stop_snapshots
ls -l "$shots"/splash.png "$shots"/main-window.png
exit $rc
