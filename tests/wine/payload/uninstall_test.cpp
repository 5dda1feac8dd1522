// uninstall.exe under Wine: it removes exactly what the installer wrote and
// leaves everything else (the user's files, other programs' keys, an
// association that another program has taken over).
#include <gtest/gtest.h>

#include <functional>

#include "FakeInstallation.h"
#include "WineDriver.h"

using namespace payloadtest;

namespace {

const std::string kUninstaller = WindowsPathOf(BVT_PAYLOAD_STAGE) + "\\uninstall.exe";
constexpr char kCaption[] = "Brivanta Uninstall";

class Uninstall : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRegistration();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + " " + test->name();
        for (char& c : name)
            if (c == '/') c = ' ';
        folder_ = "C:\\Program Files\\Brivanta Tests\\" + name;
        prefix_ = folder_ + "\\";
    }
    void TearDown() override { ResetRegistration(); }

    void Install(const InstallOptions& options = {}) { CreateFakeInstallation(folder_, kUninstaller, options); }

    // Runs the uninstaller as the uninstall entry names it.
    DWORD RunSilently() {
        Process process("\"" + ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString") + "\" /S");
        return process.Wait();
    }

    void ExpectRegistrationGone() {
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, kApplicationKey, "InstalledVersion"));
        EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kApplicationKey, "InstalledVersion"));
        for (const char* folder : {"Programs", "Desktop"})
            EXPECT_FALSE(FileExists(ShellFolder(folder) + "Brivanta.lnk")) << folder;
    }

    void ExpectFilesGone() {
        for (const char* name : kInstalledFiles) EXPECT_FALSE(FileExists(prefix_ + name)) << name;
    }

    std::string folder_;
    std::string prefix_;
};

TEST_F(Uninstall, RemovesEverythingTheInstallerWrote) {
    Install();
    ASSERT_TRUE(FileExists(ShellFolder("Desktop") + "Brivanta.lnk"));
    ASSERT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Open\\command"));

    EXPECT_EQ(RunSilently(), 0u);
    ExpectRegistrationGone();
    ExpectFilesGone();
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".bvt"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "BVT file"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kApplicationKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kApplicationKey));
    EXPECT_FALSE(FolderExists(folder_));
    EXPECT_TRUE(FolderExists("C:\\Program Files\\Brivanta Tests"));
}

TEST_F(Uninstall, WithoutAssociationOrShortcutsLeavesAForeignAssociation) {
    Install(InstallOptions{false, false, false});
    SetString(HKEY_CLASSES_ROOT, ".bvt", "", "Other.Document");
    EXPECT_EQ(RunSilently(), 0u);
    ExpectRegistrationGone();
    ExpectFilesGone();
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, ".bvt", ""), "Other.Document");
}

// Each case adds something that is not the installer's, uninstalls
// silently, and checks that it is still there while everything of the
// installation is gone.
struct NeighbourCase {
    const char* name;
    std::function<void(const std::string& prefix)> arrange;
    std::function<void(const std::string& prefix)> verify;
    bool associationRemoved;
};

void PrintTo(const NeighbourCase& c, std::ostream* out) { *out << c.name; }

class Neighbours : public Uninstall, public ::testing::WithParamInterface<NeighbourCase> {};

TEST_P(Neighbours, SurviveTheUninstaller) {
    const NeighbourCase& c = GetParam();
    Install();
    c.arrange(prefix_);
    EXPECT_EQ(RunSilently(), 0u);
    ExpectRegistrationGone();
    ExpectFilesGone();
    EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Open\\command"), !c.associationRemoved);
    c.verify(prefix_);
    DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Neighbour.exe");
    DeleteTree(HKEY_CLASSES_ROOT, "Other.Document");
}

const std::string kOtherCommand = "\"C:\\Other\\Other.exe\" \"%1\"";

INSTANTIATE_TEST_SUITE_P(
    Payload, Neighbours,
    ::testing::Values(
        NeighbourCase{"UserFileKeepsTheFolder",
                      [](const std::string& prefix) { WriteFile(prefix + "my notes.bvt", "mine"); },
                      [](const std::string& prefix) { EXPECT_TRUE(FileExists(prefix + "my notes.bvt")); }, true},
        NeighbourCase{"SiblingAppPathsKey",
                      [](const std::string&) {
                          SetString(HKEY_LOCAL_MACHINE,
                                    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Neighbour.exe", "",
                                    "C:\\Neighbour.exe");
                      },
                      [](const std::string&) {
                          EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE,
                                               "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Neighbour.exe",
                                               ""),
                                    "C:\\Neighbour.exe");
                      },
                      true},
        NeighbourCase{"AssociationTakenOverByAnotherProgram",
                      [](const std::string&) {
                          SetString(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Open\\command", "", kOtherCommand);
                      },
                      [](const std::string& prefix) {
                          EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, ".bvt", ""), "BVT file");
                          EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, "BVT file", ""), "Brivanta");
                          EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Open\\command", ""), kOtherCommand);
                          EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, "BVT file\\DefaultIcon", ""),
                                    prefix + "Brivanta.exe,1");
                          DeleteTree(HKEY_CLASSES_ROOT, "BVT file");
                      },
                      false},
        NeighbourCase{"ExtensionGivenToAnotherType",
                      [](const std::string&) { SetString(HKEY_CLASSES_ROOT, ".bvt", "", "Other.Document"); },
                      [](const std::string&) {
                          EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, ".bvt", ""), "Other.Document");
                          EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "BVT file"));
                      },
                      true},
        NeighbourCase{"OtherVerbUnderTheFileType",
                      [](const std::string&) {
                          SetString(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Print\\command", "", kOtherCommand);
                      },
                      [](const std::string&) {
                          EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Print\\command", ""), kOtherCommand);
                          EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Open"));
                          EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "BVT file\\DefaultIcon"));
                          EXPECT_FALSE(ValueExists(HKEY_CLASSES_ROOT, "BVT file", ""));
                      },
                      true},
        NeighbourCase{"OtherValuesOfTheApplicationKey",
                      [](const std::string&) {
                          SetString(HKEY_LOCAL_MACHINE, kApplicationKey, "Settings", "kept");
                          SetString(HKEY_CURRENT_USER, "SOFTWARE\\Brivanta\\Recent", "File1", "C:\\a.bvt");
                      },
                      [](const std::string&) {
                          EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kApplicationKey, "Settings"), "kept");
                          EXPECT_EQ(ReadString(HKEY_CURRENT_USER, "SOFTWARE\\Brivanta\\Recent", "File1"), "C:\\a.bvt");
                      },
                      true},
        NeighbourCase{"AssociationWrittenWithDoubledBackslashAndOtherCase",
                      [](const std::string& prefix) {
                          std::string upper = prefix + "\\BRIVANTA.EXE";
                          SetString(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Open\\command", "", "\"" + upper + "\" \"%1\"");
                      },
                      [](const std::string&) { EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "BVT file")); }, true}),
    [](const ::testing::TestParamInfo<NeighbourCase>& info) { return info.param.name; });

TEST_F(Uninstall, ShortcutsInTheWindowsFolderWhenShellFoldersLackTheValue) {
    const std::string desktop = ReadString(HKEY_CURRENT_USER, kShellFoldersKey, "Desktop");
    ASSERT_FALSE(desktop.empty());
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueA(key, "Desktop");
    RegCloseKey(key);
    const std::string fallback = ShellFolder("Desktop");
    CreateDirectoryA(fallback.c_str(), nullptr);
    Install();
    ASSERT_TRUE(FileExists(fallback + "Brivanta.lnk")) << fallback;

    const DWORD code = RunSilently();
    SetString(HKEY_CURRENT_USER, kShellFoldersKey, "Desktop", desktop);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(FileExists(fallback + "Brivanta.lnk"));
}

TEST_F(Uninstall, FileInUseIsReportedByExitCodeAndStays) {
    Install();
    HANDLE held = CreateFileA((prefix_ + "readme.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const DWORD code = RunSilently();
    CloseHandle(held);
    EXPECT_EQ(code, 2u);
    EXPECT_TRUE(FileExists(prefix_ + "readme.txt"));
    EXPECT_FALSE(FileExists(prefix_ + "Brivanta.exe"));
    EXPECT_FALSE(FileExists(prefix_ + "uninstall.exe"));
    EXPECT_TRUE(FolderExists(folder_));
    ExpectRegistrationGone();
}

TEST_F(Uninstall, AnsweringNoRemovesNothing) {
    Install();
    Process process("\"" + prefix_ + "UNINSTALL.EXE\"");
    HWND box = WaitForWindow(process.Id(), "#32770", kCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "Do you want to remove Brivanta and all of its components from\r\n" + folder_ + "?");
    Answer(box, IDNO);
    EXPECT_EQ(process.Wait(), 1u);
    for (const char* name : kInstalledFiles) EXPECT_TRUE(FileExists(prefix_ + name)) << name;
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "BVT file"));
    EXPECT_TRUE(FileExists(ShellFolder("Programs") + "Brivanta.lnk"));
}

TEST_F(Uninstall, AnsweringYesRemovesAndSaysSo) {
    Install();
    Process process("\"" + prefix_ + "UNINSTALL.EXE\"");
    HWND question = WaitForWindow(process.Id(), "#32770", kCaption);
    ASSERT_NE(question, nullptr);
    Answer(question, IDYES);
    HWND report = nullptr;
    for (int i = 0; i < 400 && report == nullptr; ++i) {
        for (HWND box : WindowsOf(process.Id(), "#32770"))
            if (box != question && WindowText(box) == kCaption) report = box;
        if (report == nullptr) Sleep(50);
    }
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(MessageBoxText(report), "Brivanta was removed.");
    Answer(report, IDOK);
    EXPECT_EQ(process.Wait(), 0u);
    ExpectFilesGone();
    EXPECT_FALSE(FolderExists(folder_));
}

TEST_F(Uninstall, ReportListsWhatStayed) {
    Install();
    HANDLE held = CreateFileA((prefix_ + "sample.bvt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Process process("\"" + prefix_ + "UNINSTALL.EXE\"");
    HWND question = WaitForWindow(process.Id(), "#32770", kCaption);
    ASSERT_NE(question, nullptr);
    Answer(question, IDYES);
    HWND report = nullptr;
    for (int i = 0; i < 400 && report == nullptr; ++i) {
        for (HWND box : WindowsOf(process.Id(), "#32770"))
            if (box != question && MessageBoxText(box).rfind("Brivanta was removed, except", 0) == 0) report = box;
        if (report == nullptr) Sleep(50);
    }
    CloseHandle(held);
    ASSERT_NE(report, nullptr);
    EXPECT_NE(MessageBoxText(report).find("\r\n" + prefix_ + "sample.bvt: "), std::string::npos)
        << MessageBoxText(report);
    Answer(report, IDOK);
    EXPECT_EQ(process.Wait(), 2u);
}

TEST_F(Uninstall, UnknownArgumentChangesNothing) {
    Install();
    Process process("\"" + prefix_ + "UNINSTALL.EXE\" /X");
    HWND box = WaitForWindow(process.Id(), "#32770", kCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind("Usage: uninstall.exe [/S]", 0), 0u);
    Answer(box, IDOK);
    EXPECT_EQ(process.Wait(), 4u);
    for (const char* name : kInstalledFiles) EXPECT_TRUE(FileExists(prefix_ + name)) << name;
}

}  // namespace
