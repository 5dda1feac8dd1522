// Not tests: the pictures for the documentation. scripts/screenshot.sh runs
// these with BVT_GUI_SNAP_DIR set and takes a screenshot at each
// Snapshot() point; ctest does not register them.
#include "Files.h"
#include "Installer.h"
#include "Snapshot.h"
#include "Wait.h"

#include <gtest/gtest.h>

using namespace bvt::gui;

namespace {

// Freezes the installer while the splash is up and already painted: the
// main window's creation (which writes the temporary files) has begun.
bool CatchPaintedSplash(Installer& app) {
    Window splash;
    const bool seen = WaitUntil([&] {
        splash = FindSplash(app.Pid());
        return splash && (FindTopLevel(app.Pid(), MainCaption, "", false) || !EmbeddedTempFiles().empty());
    }, DefaultTimeoutMs, 0);
    if (!seen) return false;
    app.process().Suspend();
    if (splash.Visible() && !FindTopLevel(app.Pid(), MainCaption)) return true;
    app.process().Resume();
    return false;
}

TEST(Screens, SplashAndMainWindow) {
    PrepareWorkFolder();
    bool caught = false;
    for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
        Installer app;
        caught = CatchPaintedSplash(app);
        if (caught) {
            Snapshot("splash");
            app.process().Resume();
        }
        ASSERT_TRUE(app.WaitForMainWindow());
        if (caught) Snapshot("main-window");
        app.CancelAndWait();
    }
    EXPECT_TRUE(caught) << "the splash was never caught while painted";
}

}  // namespace
