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

TEST(Screens, SplashAndMainWindow) {
    PrepareWorkFolder();
    bool caught = false;
    for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
        Installer app;
        caught = bool(CatchSplashDuringCreation(app));
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
