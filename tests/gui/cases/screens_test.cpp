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
    std::unique_ptr<Installer> app;
    const Window splash = StartAndCatchSplash(app, true);
    ASSERT_TRUE(splash) << "the splash was never caught while painted";
    Snapshot("splash");
    app->process().Resume();
    ASSERT_TRUE(app->WaitForMainWindow());
    Snapshot("main-window");
    EXPECT_EQ(app->CancelAndWait(), 0u);
}

}  // namespace
