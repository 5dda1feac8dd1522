// The install sequence driven through the installer's window. These cases
// are the GUI half of the end-to-end tests: tests/gui/e2e/install.sh runs
// each in its own prefix, then checks the installed files, the registry
// (wine reg query) and the shortcuts (lnkinfo) from the Linux side.
#include "Dialogs.h"
#include "Files.h"
#include "Input.h"
#include "Installer.h"
#include "Registry.h"
#include "Snapshot.h"
#include "TestEnv.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace bvt::gui;

namespace {

// What the user does in the main window before pressing Install.
struct Choices {
    std::string args;
    std::string folder;  // empty: keep the proposed folder
    bool startMenu = true;
    bool desktop = false;
    bool run = true;
};

class Install : public testing::Test {
protected:
    void SetUp() override { PrepareWorkFolder(); }
    void TearDown() override {
        for (DWORD pid : ProcessesNamed("Brivanta.exe")) CloseApplication(pid);
    }

    void StartWith(const Choices& c) {
        app.reset(new Installer(c.args));
        ASSERT_TRUE(app->WaitForMainWindow());
        Snapshot("main-window");
        if (!c.folder.empty()) SetText(app->dir, c.folder);
        ASSERT_TRUE(app->SetChecked(app->startMenu, c.startMenu));
        ASSERT_TRUE(app->SetChecked(app->desktop, c.desktop));
        if (app->run.Enabled()) {
            ASSERT_TRUE(app->SetChecked(app->run, c.run));
        }
    }

    // What the installer started at its end.
    struct Launched {
        std::string caption;      // its window's caption
        std::string commandLine;  // as the application received it
    };

    // Install through to "Brivanta installed."; checks the window as it is
    // when the message shows, answers it, and returns what was launched
    // (empty when nothing was).
    Launched InstallAndExpectSuccess(bool launch) {
        const Rect before = app->main.ScreenRect();
        Click(app->install);
        const Window done = WaitForDialog(app->Pid(), "Information", 60000);
        EXPECT_TRUE(done) << DescribeDialogs(app->Pid());
        if (!done) return {};
        EXPECT_EQ(MessageText(done), "Brivanta installed.");
        EXPECT_FALSE(app->main.Visible()) << "main window not hidden";
        EXPECT_EQ(app->main.ClientSize().cy, 309) << "progress strip not added";
        EXPECT_EQ(app->main.ScreenRect().top, before.top) << "the window moved";
        EXPECT_EQ(app->main.ScreenRect().height, before.height + 13);
        EXPECT_TRUE(app->progress.Style() & WS_VISIBLE) << "progress bar not shown";
        EXPECT_EQ(app->progress.Send(PBM_GETPOS), 100);
        EXPECT_EQ(app->progress.RectInParent(), (Rect{0, 296, 577, 13}));
        PressButton(done, IDOK);

        Launched launched;
        if (launch) {
            std::vector<DWORD> pids;
            EXPECT_TRUE(WaitUntil([&] { return !(pids = ProcessesNamed("Brivanta.exe")).empty(); }))
                << "Brivanta.exe not started";
            if (!pids.empty()) {
                const Window window = WaitForAnyWindowOf(pids[0]);
                // The caption names the document once it is open; a
                // document that cannot be opened gives a message box.
                WaitUntil([&] {
                    return window.CaptionText() != "Brivanta" ||
                           DescribeDialogs(pids[0]) != "(no dialog)";
                });
                Snapshot("application");
                launched.caption = window.CaptionText();
                launched.commandLine = CommandLineOf(pids[0]);
                EXPECT_EQ(DescribeDialogs(pids[0]), "(no dialog)");
                CloseApplication(pids[0]);
            }
        }
        EXPECT_EQ(app->WaitForExit(), 0u);
        if (!launch) {
            EXPECT_TRUE(ProcessesNamed("Brivanta.exe").empty()) << "launched although Run was off";
        }
        EXPECT_TRUE(EmbeddedTempFiles().empty());
        return launched;
    }

    // Install that must fail: answers every box until the program ends and
    // checks that an error box captioned with the application title came,
    // that success was never announced, nothing was launched and the exit
    // code names the failed step (2 folder, 4 extraction, 5 registration);
    // the error box's text contains `reason`.
    void InstallAndExpectFailure(DWORD exitCode, const std::string& reason = "") {
        Click(app->install);
        std::vector<std::string> seen;
        bool errorBox = false, successBox = false;
        WaitUntil([&] {
            for (const Window& w : TopLevelWindows(app->Pid())) {
                if (!w.Visible() || w.ClassName() != "#32770") continue;
                const std::string caption = w.CaptionText(), text = MessageText(w);
                seen.push_back(caption + ": " + text);
                errorBox |= caption == AppTitle && text.find(reason) != std::string::npos;
                successBox |= text == "Brivanta installed.";
                PressButton(w, IDOK);
                WaitClosed(w, DefaultTimeoutMs);
            }
            return !app->process().Running();
        }, 60000, 20);
        std::string boxes;
        for (const std::string& s : seen) boxes += "[" + s + "] ";
        std::printf("boxes: %s\n", boxes.c_str());
        EXPECT_TRUE(errorBox) << boxes;
        EXPECT_FALSE(successBox) << boxes;
        EXPECT_FALSE(app->process().Running());
        EXPECT_EQ(app->process().ExitCode(), exitCode);
        EXPECT_TRUE(ProcessesNamed("Brivanta.exe").empty()) << "launched after a failure";
        EXPECT_TRUE(EmbeddedTempFiles().empty());
    }

    static void CloseApplication(DWORD pid) {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        for (const Window& w : TopLevelWindows(pid)) PostMessageA(w.Handle(), WM_CLOSE, 0, 0);
        if (process) {
            WaitForSingleObject(process, DefaultTimeoutMs);
            CloseHandle(process);
        }
    }

    std::unique_ptr<Installer> app;
};

// --- success -----------------------------------------------------------

TEST_F(Install, DefaultOptions) {
    StartWith({});
    EXPECT_EQ(app->dir.Text(), "C:\\Program Files\\Brivanta");
    const Launched launched = InstallAndExpectSuccess(true);
    EXPECT_EQ(launched.caption, "sample.bvt - Brivanta");
    EXPECT_EQ(launched.commandLine,
              "\"C:\\Program Files\\Brivanta\\Brivanta.exe\" \"C:\\Program Files\\Brivanta\\sample.bvt\"");
}

TEST_F(Install, OneArgumentIsPassedOnUnquoted) {
    MakeFolders("C:\\docs");
    CopyOneFile(SampleDocument(), "C:\\docs\\my letter.bvt");
    StartWith({"\"C:\\docs\\my letter.bvt\"", "", true, false, true});
    EXPECT_FALSE(app->run.Enabled());
    const Launched launched = InstallAndExpectSuccess(true);
    EXPECT_EQ(launched.caption, "my letter.bvt - Brivanta");
    EXPECT_EQ(launched.commandLine, "\"C:\\Program Files\\Brivanta\\Brivanta.exe\" C:\\docs\\my letter.bvt");
}

TEST_F(Install, OnlyTheFirstOfSeveralArguments) {
    MakeFolders("C:\\docs");
    CopyOneFile(SampleDocument(), "C:\\docs\\first.bvt");
    CopyOneFile(SampleDocument(), "C:\\docs\\second.bvt");
    StartWith({"C:\\docs\\first.bvt C:\\docs\\second.bvt", "", true, false, true});
    const Launched launched = InstallAndExpectSuccess(true);
    EXPECT_EQ(launched.caption, "first.bvt - Brivanta");
    EXPECT_EQ(launched.commandLine, "\"C:\\Program Files\\Brivanta\\Brivanta.exe\" C:\\docs\\first.bvt");
}

TEST_F(Install, RunUncheckedLaunchesNothing) {
    StartWith({"", "", true, false, false});
    InstallAndExpectSuccess(false);
}

TEST_F(Install, DesktopWithoutStartMenu) {
    StartWith({"", "C:\\Apps\\Brivanta", false, true, false});
    InstallAndExpectSuccess(false);
}

TEST_F(Install, ReplacesAnEarlierInstallation) {
    const std::string folder = "C:\\Apps\\Old Brivanta";
    MakeFolders(folder);
    for (const char* name : {"Brivanta.exe", "readme.txt", "unzdll.dll"}) {
        WriteWholeFile(folder + "\\" + name, "left over from an earlier installation");
    }
    WriteWholeFile(folder + "\\notes.txt", "the user's own file");
    SetRegString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta.exe",
                 "Path", folder);
    StartWith({"", "", true, false, false});
    EXPECT_EQ(app->dir.Text(), folder);
    InstallAndExpectSuccess(false);
}

TEST_F(Install, CreatesEveryMissingLevel) {
    StartWith({"", "C:\\Deep\\one\\two\\three\\Brivanta", true, false, false});
    InstallAndExpectSuccess(false);
}

TEST_F(Install, TrailingBackslashIsKept) {
    StartWith({"", "C:\\Trail\\Brivanta\\", true, false, true});
    const Launched launched = InstallAndExpectSuccess(true);
    EXPECT_EQ(launched.caption, "sample.bvt - Brivanta");
    EXPECT_EQ(launched.commandLine,
              "\"C:\\Trail\\Brivanta\\\\Brivanta.exe\" \"C:\\Trail\\Brivanta\\\\sample.bvt\"");
}

TEST_F(Install, DriveRoot) {
    // What Browse gives for a drive: its root, with the backslash.
    StartWith({"", "C:\\", true, false, true});
    const Launched launched = InstallAndExpectSuccess(true);
    EXPECT_EQ(launched.caption, "sample.bvt - Brivanta");
    EXPECT_EQ(launched.commandLine, "\"C:\\\\Brivanta.exe\" \"C:\\\\sample.bvt\"");
}

TEST_F(Install, ForUninstall) {
    // install.sh put a file of the user's into the folder beforehand.
    StartWith({"", "", true, true, false});
    InstallAndExpectSuccess(false);
}

// --- failures ----------------------------------------------------------

TEST_F(Install, EmptyFolderFails) {
    StartWith({"", "", true, false, true});
    SetText(app->dir, "");
    InstallAndExpectFailure(2, "Unable to create directory");
}

TEST_F(Install, FolderUnderAFileFails) {
    WriteWholeFile("C:\\blocker.txt", "a file, not a folder");
    StartWith({"", "C:\\blocker.txt\\Brivanta", true, false, true});
    InstallAndExpectFailure(2);
}

TEST_F(Install, InvalidFolderNameFails) {
    StartWith({"", "C:\\Bad|Name\\Brivanta", true, false, true});
    InstallAndExpectFailure(2);
}

// The payload archive's temporary file is damaged after start-up.
std::string PayloadTempFile() {
    for (const std::string& name : EmbeddedTempFiles()) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".zip") == 0) return TempFolder() + name;
    }
    return "";
}

TEST_F(Install, TruncatedPayloadFails) {
    StartWith({"", "", true, false, true});
    const std::string zip = PayloadTempFile();
    ASSERT_FALSE(zip.empty());
    const std::string bytes = ReadWholeFile(zip);
    WriteWholeFile(zip, bytes.substr(0, bytes.size() / 2));
    InstallAndExpectFailure(4);
}

TEST_F(Install, CorruptPayloadEntryFails) {
    StartWith({"", "", true, false, true});
    const std::string zip = PayloadTempFile();
    ASSERT_FALSE(zip.empty());
    std::string bytes = ReadWholeFile(zip);
    ASSERT_GT(bytes.size(), 5000u);
    for (size_t i = 1000; i < 1064; ++i) bytes[i] = static_cast<char>(bytes[i] ^ 0xA5);  // inside uninstall.exe
    WriteWholeFile(zip, bytes);
    InstallAndExpectFailure(4);
}

TEST_F(Install, RefusedRegistryWriteFails) {
    MakeKeyReadOnly(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta.exe");
    StartWith({"", "", true, false, true});
    InstallAndExpectFailure(5, "Failed to set data for ''");
}

}  // namespace
