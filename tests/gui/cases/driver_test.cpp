// The driver against its fixture window: what the installer tests rely on
// (finding windows, reading controls of another process, clicking, keys,
// message boxes, exit codes) is proven here first.
#include "Dialogs.h"
#include "Input.h"
#include "Process.h"
#include "Screen.h"
#include "TestEnv.h"
#include "Wait.h"
#include "Window.h"

#include <gtest/gtest.h>

using namespace bvt::gui;

namespace {

class Driver : public testing::Test {
protected:
    void Start(const std::string& args = "") {
        app.reset(new Process(FixturePath(), args, ""));
        ASSERT_TRUE(WaitUntil([&] { return bool(main = FindTopLevel(app->Id(), "Driver Fixture")); }))
            << "no fixture window";
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(app->MainThreadId()).Id() == 102; }))
            << "the fixture never focused its Hello button";
        edit = main.ChildById(101);
        ASSERT_TRUE(edit);
    }
    void TearDown() override {
        if (app && app->Running()) {
            PressCloseBox(main);
            app->WaitForExit(10000);
        }
    }

    std::unique_ptr<Process> app;
    Window main, edit;
};

TEST_F(Driver, ReadsControlsOfAnotherProcess) {
    Start();
    EXPECT_EQ(main.ClientSize().cx, 300);
    EXPECT_EQ(main.ClientSize().cy, 200);
    EXPECT_EQ(edit.ClassName(), "Edit");
    EXPECT_EQ(edit.Text(), "C:\\start");
    EXPECT_EQ(edit.RectInParent(), (Rect{10, 10, 200, 21})) << ToString(edit.RectInParent());
    const Window a = main.ChildByText("Button", "Option A");
    const Window b = main.ChildByText("Button", "Option B");
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(a.Checked());
    EXPECT_TRUE(a.Enabled());
    EXPECT_FALSE(b.Checked());
    EXPECT_FALSE(b.Enabled());
    EXPECT_TRUE(b.Visible());
    EXPECT_EQ(b.RectInParent(), (Rect{10, 90, 120, 17}));
    EXPECT_EQ(FocusOf(app->MainThreadId()).Text(), "Hello");
    EXPECT_EQ(main.ChildById(106).ClassName(), "FixtureFlat");
}

TEST_F(Driver, TypesClicksAndAnswersMessageBox) {
    Start();
    SetText(edit, "C:\\typed here");
    EXPECT_EQ(edit.Text(), "C:\\typed here");

    Click(main.ChildByText("Button", "Hello"));
    const Window box = WaitForDialog(app->Id(), "Fixture Box", 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageText(box), "Hello\r\nWorld");
    PressButton(box, IDOK);
    EXPECT_TRUE(WaitClosed(box, 10000));
    EXPECT_TRUE(WaitUntil([&] { return edit.Text() == "hello answered"; }));

    MouseClick(main.ChildById(106));
    EXPECT_TRUE(WaitUntil([&] { return edit.Text() == "flat clicked"; }));
}

TEST_F(Driver, KeysGoToTheFocusedControl) {
    Start();
    PressKey(FocusOf(app->MainThreadId()), VK_ESCAPE);
    ASSERT_TRUE(DrainPostedInput(edit));
    EXPECT_TRUE(app->Running());
    EXPECT_FALSE(FindTopLevel(app->Id(), "Fixture Box", "#32770"));

    PressKey(FocusOf(app->MainThreadId()), VK_RETURN);
    const Window box = WaitForDialog(app->Id(), "Fixture Box", 10000);
    ASSERT_TRUE(box) << "Enter on the focused button did not click it";
    // Enter again, once the box's OK button has the focus.
    ASSERT_TRUE(WaitUntil([&] { return IsChild(box.Handle(), FocusOf(app->MainThreadId()).Handle()); }));
    PressKey(FocusOf(app->MainThreadId()), VK_RETURN);
    EXPECT_TRUE(WaitClosed(box, 10000));
}

struct ExitCase {
    const char* how;
    DWORD code;
};

class DriverExit : public Driver, public testing::WithParamInterface<ExitCase> {};

TEST_P(DriverExit, ReportsTheExitCode) {
    Start();
    if (std::string(GetParam().how) == "close box") {
        PressCloseBox(main);
    } else {
        Click(main.ChildByText("Button", "Quit"));
    }
    ASSERT_TRUE(app->WaitForExit(10000));
    EXPECT_EQ(app->ExitCode(), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Ways, DriverExit,
                         testing::Values(ExitCase{"close box", 3}, ExitCase{"Quit", 4}));

TEST_F(Driver, ReadsPixelsOffTheScreen) {
    Start();
    // The button's caption is dark once painted, the window's empty face
    // never is.
    const Rect hello = main.ChildByText("Button", "Hello").RectInParent();
    Pixels shown;
    EXPECT_TRUE(WaitUntil([&] {
        shown = CaptureScreen(main.ClientScreenRect());
        return CountDark(shown, hello) > 20;
    }));
    EXPECT_EQ(CountDark(shown, {10, 120, 200, 60}), 0);
}

TEST_F(Driver, ReadsTheCommandLineOfAnotherProcess) {
    Start("/wait  \"two words\"");
    EXPECT_EQ(CommandLineOf(app->Id()), "\"" + FixturePath() + "\" /wait  \"two words\"");
}

TEST_F(Driver, SuspendedProgramStillShowsItsWindows) {
    Start();
    app->Suspend();
    EXPECT_EQ(main.CaptionText(), "Driver Fixture");
    EXPECT_EQ(main.ClientSize().cx, 300);
    EXPECT_TRUE(main.Visible());
    app->Resume();
    EXPECT_EQ(edit.Text(), "C:\\start");
}

}  // namespace
