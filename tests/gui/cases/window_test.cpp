// The installer's splash and main window, driven through their windows:
// layout, proposed folder, options, keys, View ReadMe, Browse, the ways out
// and a damaged embedded description. Each case runs in a fresh prefix.
#include "Dialogs.h"
#include "Files.h"
#include "Input.h"
#include "Installer.h"
#include "Registry.h"
#include "Screen.h"
#include "TestEnv.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace bvt::gui;

namespace {

const char* const AppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta.exe";

class Window_ : public testing::Test {
protected:
    void SetUp() override { PrepareWorkFolder(); }

    // Starts the installer and waits for its main window with the focus.
    void StartAndWait(const std::string& args = "", const std::string& workDir = WorkFolder) {
        app.reset(new Installer(args, workDir));
        ASSERT_TRUE(app->WaitForMainWindow()) << "main window not up with b_ReadMe focused";
    }
    void TearDown() override {
        if (app && app->process().Running()) app->CancelAndWait();
    }

    std::unique_ptr<Installer> app;
};

using Splash = Window_;
using MainWindow = Window_;
using Keys = Window_;
using ReadMe = Window_;

Rect CentredOnScreen(const Rect& r) {
    return {(GetSystemMetrics(SM_CXSCREEN) - r.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - r.height) / 2,
            r.width, r.height};
}

HCURSOR CurrentCursor() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

TEST_F(Splash, OnTopBorderlessCentredUntilTheMainWindowHasTheFocus) {
    // The splash lives only while the main window is created: the driver
    // polls without sleeping, then freezes the installer to look at it.
    const Window splash = StartAndCatchSplash(app, false);
    ASSERT_TRUE(splash) << "no splash window seen";
    const Rect frame = splash.ScreenRect();
    const SIZE client = splash.ClientSize();
    const LONG_PTR style = splash.Style();
    const LONG_PTR exStyle = splash.ExStyle();
    const bool owned = GetWindow(splash.Handle(), GW_OWNER) != nullptr;
    const HCURSOR splashCursor = CurrentCursor();
    app->process().Resume();

    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    // The shell gives a button to unowned windows unless they are tool
    // windows, and to any window that asks for one.
    EXPECT_TRUE((owned || (exStyle & WS_EX_TOOLWINDOW)) && !(exStyle & WS_EX_APPWINDOW))
        << "the splash would have a taskbar button of its own";
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_DLGFRAME | WS_BORDER | WS_SYSMENU), 0);
    EXPECT_EQ(client.cx, 289);
    EXPECT_EQ(client.cy, 68);
    EXPECT_EQ(frame, CentredOnScreen({0, 0, 289, 68})) << ToString(frame);

    ASSERT_TRUE(app->WaitForMainWindow());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(splash.Handle()); })) << "splash still there";
    EXPECT_TRUE(app->process().Running()) << "destroying the splash ended the program";
    EXPECT_EQ(app->dir.Text(), "C:\\Program Files\\Brivanta") << "show handler had not run";
    // The wait cursor itself cannot be compared across processes under
    // Wine (cursor handles are per process); what can be seen is that the
    // splash phase has another cursor than the running window.
    EXPECT_NE(splashCursor, CurrentCursor());
}

TEST_F(Splash, ShowsItsTextAndIconWhileTheMainWindowIsCreated) {
    // No messages are processed during the creation, so what the splash
    // shows then is what it painted before it began.
    const Window splash = StartAndCatchSplash(app, true);
    ASSERT_TRUE(splash) << "the splash was never caught during the creation";
    const Pixels shown = CaptureScreen(splash.ClientScreenRect());
    app->process().Resume();
    // Label1 at 64, 24 (202 x 16): dark text on the button face.
    EXPECT_GT(CountDark(shown, {64, 24, 202, 16}), 40) << "\"Starting Brivanta setup ...\" not painted";
    // Image1 at 16, 16 (32 x 32): a 16-colour icon.
    EXPECT_GE(CountColours(shown, {16, 16, 32, 32}), 3) << "icon not painted";
    ASSERT_TRUE(app->WaitForMainWindow());
}

TEST_F(MainWindow, LayoutAfterTheShowHandler) {
    StartAndWait();
    const Window& w = app->main;
    EXPECT_EQ(w.ClientSize().cx, 577);
    EXPECT_EQ(w.ClientSize().cy, 296);
    EXPECT_EQ(w.ScreenRect(), CentredOnScreen(w.ScreenRect())) << ToString(w.ScreenRect());
    EXPECT_TRUE(w.Style() & WS_CAPTION);
    EXPECT_TRUE(w.Style() & WS_SYSMENU);
    EXPECT_FALSE(w.Style() & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

    struct Expected {
        const char* name;
        Window control;
        Rect rect;
    };
    const Expected controls[] = {
        {"GroupBox1", app->groupBox, {136, 72, 425, 65}},
        {"e_Dir", app->dir, {16, 24, 313, 21}},
        {"SpeedButton1", app->browse, {336, 24, 81, 23}},
        {"b_Install", app->install, {392, 256, 75, 25}},
        {"b_Cancel", app->cancel, {480, 256, 75, 25}},
        {"chb_Associate", app->associate, {176, 144, 217, 17}},
        {"chb_StartMenu", app->startMenu, {176, 167, 209, 17}},
        {"chb_Desktop", app->desktop, {176, 191, 217, 17}},
        {"b_ReadMe", app->readMe, {144, 256, 137, 25}},
        {"chb_Run", app->run, {176, 215, 217, 17}},
    };
    for (const Expected& c : controls) {
        ASSERT_TRUE(c.control) << c.name << " not found";
        EXPECT_EQ(c.control.RectInParent(), c.rect) << c.name << " at " << ToString(c.control.RectInParent());
        EXPECT_TRUE(c.control.Visible()) << c.name;
    }
    EXPECT_EQ(app->dir.Parent().Handle(), app->groupBox.Handle());

    ASSERT_TRUE(app->progress) << "no progress bar";
    EXPECT_FALSE(app->progress.Style() & WS_VISIBLE) << "progress bar shown before Install";

    // The side panel and its picture, re-laid by the show handler.
    const Window panel = app->main.FindDescendant([&](const Window& c) {
        return c.Parent().Handle() == app->main.Handle() && c.RectInParent().left == 15;
    });
    ASSERT_TRUE(panel) << "no pn_1 at left 15";
    EXPECT_EQ(panel.RectInParent(), (Rect{15, 8, 114, 273})) << ToString(panel.RectInParent());
    const std::vector<Window> inPanel = panel.Children();
    ASSERT_EQ(inPanel.size(), 1u) << "im_1 is not a window of its own";
    EXPECT_EQ(inPanel[0].RectInParent(), (Rect{3, 51, 107, 170})) << ToString(inPanel[0].RectInParent());

    const std::string welcome =
        "Welcome to Brivanta 3.3 Installation program.\r\n"
        "It is recommend to close all other programs you are running.\r\n"
        "Disk space required: 5 MB\r\n";
    EXPECT_TRUE(app->main.FindDescendant([&](const Window& c) { return c.Text() == welcome; }))
        << "no control holds the welcome text";
}

TEST_F(MainWindow, OptionsAsProposed) {
    StartAndWait();
    EXPECT_TRUE(app->associate.Checked());
    EXPECT_TRUE(app->startMenu.Checked());
    EXPECT_FALSE(app->desktop.Checked());
    EXPECT_TRUE(app->run.Checked());
    EXPECT_TRUE(app->run.Enabled());
    EXPECT_TRUE(app->associate.Enabled() && app->startMenu.Enabled() && app->desktop.Enabled());
}

TEST_F(MainWindow, RunOptionLockedOnWithArguments) {
    for (const char* args : {"C:\\docs\\letter.bvt", "\"C:\\My Docs\\a.bvt\" second third"}) {
        StartAndWait(args);
        EXPECT_TRUE(app->run.Checked()) << args;
        EXPECT_FALSE(app->run.Enabled()) << args;
        EXPECT_TRUE(app->associate.Enabled()) << args;
        EXPECT_EQ(app->CancelAndWait(), 0u);
    }
}

TEST_F(MainWindow, ProposesProgramFilesInAFreshSystem) {
    StartAndWait();
    EXPECT_EQ(app->dir.Text(), "C:\\Program Files\\Brivanta");
}

TEST_F(MainWindow, ProposesTheFolderOfAnEarlierInstallation) {
    SetRegString(HKEY_LOCAL_MACHINE, AppPathsKey, "Path", "D:\\Tools\\Brivanta Old");
    StartAndWait();
    EXPECT_EQ(app->dir.Text(), "D:\\Tools\\Brivanta Old");
}

TEST_F(Keys, EnterOnTheInitialFocusOpensTheReadMeAndInstallsNothing) {
    // The prepared prefix has Notepad's "txtfile" type but no ".txt" key
    // (winemenubuilder, which would add it, is off): associate it as a
    // desktop system does.
    SetRegString(HKEY_CLASSES_ROOT, ".txt", "", "txtfile");
    StartAndWait();
    PressKey(FocusOf(app->Tid()), VK_RETURN);
    Window editor;
    ASSERT_TRUE(WaitUntil([&] { return bool(editor = FindTopLevel(0, "readme.txt - Notepad")); }))
        << "Notepad with readme.txt did not open; windows: " << DescribeVisibleWindows();
    PostMessageA(editor.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitClosed(editor, DefaultTimeoutMs));

    ASSERT_TRUE(DrainPostedInput(app->dir));
    EXPECT_TRUE(app->main.Visible());
    EXPECT_FALSE(FolderExists("C:\\Program Files\\Brivanta")) << "Enter installed";
    EXPECT_EQ(DescribeDialogs(app->Pid()), "(no dialog)");
}

TEST_F(Keys, EscapeDoesNothing) {
    StartAndWait();
    PressKey(FocusOf(app->Tid()), VK_ESCAPE);
    ASSERT_TRUE(DrainPostedInput(app->dir));
    EXPECT_TRUE(app->process().Running());
    EXPECT_TRUE(app->main.Visible());
    EXPECT_EQ(FocusOf(app->Tid()).Handle(), app->readMe.Handle());
    EXPECT_EQ(DescribeDialogs(app->Pid()), "(no dialog)");
}

TEST_F(ReadMe, MissingFromTheWorkingFolderGivesTheWarning) {
    // The installer's own folder holds a readme.txt; only the working
    // folder counts.
    ASSERT_TRUE(FileExists(DistFolder() + "\\readme.txt"));
    MakeFolders("C:\\elsewhere");
    StartAndWait("", "C:\\elsewhere");
    Click(app->readMe);
    const Window box = WaitForDialog(app->Pid(), "Warning", DefaultTimeoutMs);
    ASSERT_TRUE(box) << DescribeDialogs(app->Pid());
    EXPECT_EQ(MessageText(box),
              "File readme.txt not found.\r\nIf you are runing program from zip file, extract it at first.");
    PressButton(box, IDOK);
    EXPECT_TRUE(WaitClosed(box, DefaultTimeoutMs));
    ASSERT_TRUE(DrainPostedInput(app->dir));
    EXPECT_TRUE(app->main.Visible());
    EXPECT_FALSE(FindTopLevel(0, "readme.txt - Notepad"));
}

// Browse: how many levels up the tree the user goes, how the dialog ends,
// and what e_Dir then holds.
struct BrowseCase {
    const char* name;
    int levelsUp;
    int button;
    const char* expected;
};

class Browse : public Window_, public testing::WithParamInterface<BrowseCase> {};

TEST_P(Browse, PreselectsTheFolderAndTakesOnlyAConfirmedChoice) {
    const std::string start = "C:\\Brv Pick\\Inner";
    MakeFolders(start);
    TouchFolderChain(start);
    StartAndWait();
    SetText(app->dir, start);
    if (app->browse.ClassName() == "Button") {
        Click(app->browse);
    } else {
        MouseClick(app->browse);
    }
    const Window dialog = WaitForDialog(app->Pid(), "Browse for Folder", DefaultTimeoutMs);
    ASSERT_TRUE(dialog) << DescribeDialogs(app->Pid());
    ASSERT_TRUE(WaitForFolderSelection(dialog, DefaultTimeoutMs)) << "nothing preselected";
    for (int i = 0; i < GetParam().levelsUp; ++i) {
        ASSERT_TRUE(SelectParentFolder(dialog)) << "going up level " << i + 1;
    }
    PressButton(dialog, GetParam().button);
    ASSERT_TRUE(WaitClosed(dialog, DefaultTimeoutMs));
    ASSERT_TRUE(DrainPostedInput(app->dir));
    EXPECT_EQ(app->dir.Text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, Browse,
    testing::Values(BrowseCase{"OkAtOnce", 0, IDOK, "C:\\Brv Pick\\Inner"},
                    BrowseCase{"OkOnParent", 1, IDOK, "C:\\Brv Pick"},
                    BrowseCase{"OkOnDriveRoot", 2, IDOK, "C:\\"},
                    BrowseCase{"Cancel", 1, IDCANCEL, "C:\\Brv Pick\\Inner"}),
    [](const testing::TestParamInfo<BrowseCase>& info) { return std::string(info.param.name); });

struct EndCase {
    const char* name;
    bool closeBox;
};

class Ending : public Window_, public testing::WithParamInterface<EndCase> {};

TEST_P(Ending, ExitsWithZeroAndRemovesTheTemporaryFiles) {
    ASSERT_TRUE(EmbeddedTempFiles().empty());
    StartAndWait();
    EXPECT_EQ(EmbeddedTempFiles().size(), 3u);
    if (GetParam().closeBox) {
        PressCloseBox(app->main);
    } else {
        Click(app->cancel);
    }
    EXPECT_EQ(app->WaitForExit(), 0u);
    EXPECT_TRUE(EmbeddedTempFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, Ending,
                         testing::Values(EndCase{"Cancel", false}, EndCase{"CloseBox", true}),
                         [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

// The largest binary window description in the program ("BVWD", version 1,
// length, CRC-32): the main window's, which carries the embedded files.
size_t LargestDescriptionPayload(const std::string& exe, size_t& length) {
    size_t best = std::string::npos;
    length = 0;
    for (size_t at = exe.find("BVWD"); at != std::string::npos; at = exe.find("BVWD", at + 1)) {
        if (at + 16 > exe.size()) break;
        uint32_t version, size;
        std::memcpy(&version, exe.data() + at + 4, 4);
        std::memcpy(&size, exe.data() + at + 8, 4);
        if (version == 1 && size > length && size <= exe.size() - at - 16) {
            best = at + 16;
            length = size;
        }
    }
    return best;
}

TEST(Damaged, EmbeddedDescriptionGivesApplicationErrorAndExitCodeOne) {
    std::string exe = ReadWholeFile(InstallerPath());
    size_t length = 0;
    const size_t payload = LargestDescriptionPayload(exe, length);
    ASSERT_NE(payload, std::string::npos) << "no window description found in the installer";
    ASSERT_GT(length, 100000u);
    exe[payload + length / 2] ^= 0x5A;  // inside the embedded files
    MakeFolders("C:\\damaged");
    WriteWholeFile("C:\\damaged\\BrivantaSetup.exe", exe);

    Installer app("", "C:\\damaged", "C:\\damaged\\BrivantaSetup.exe");
    const Window box = WaitForDialog(app.Pid(), "Application Error", DefaultTimeoutMs);
    ASSERT_TRUE(box) << DescribeDialogs(app.Pid());
    EXPECT_FALSE(MessageText(box).empty());
    EXPECT_FALSE(FindTopLevel(app.Pid(), MainCaption));
    PressButton(box, IDOK);
    EXPECT_EQ(app.WaitForExit(), 1u);
    EXPECT_TRUE(EmbeddedTempFiles().empty());
}

}  // namespace
