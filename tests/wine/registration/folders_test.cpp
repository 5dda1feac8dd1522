// Folder lookups against the registry of the test prefix: the three sources
// of the proposed folder in order, shell folders and their fallback.
#include <gtest/gtest.h>

#include <optional>

#include "RegistrySpy.h"
#include "install.h"
#include "Registry.h"

namespace bvt {
namespace {

const std::string kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta";
const std::string kProgramAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta.exe";
const std::string kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string SystemWindowsFolder() {
    char buffer[MAX_PATH] = {};
    GetWindowsDirectoryA(buffer, MAX_PATH);
    return buffer;
}

// Puts a value in place (or removes it) for one test and restores it after.
class ValueOverride {
public:
    ValueOverride(HKEY root, std::string path, std::string name)
        : root_(root), path_(std::move(path)), name_(std::move(name)), saved_(test::RawRead(root_, path_, name_)) {}
    ~ValueOverride() {
        if (saved_)
            test::RawWrite(root_, path_, name_, saved_->type, saved_->data);
        else
            test::RawDeleteValue(root_, path_, name_);
    }
    void Set(const std::optional<std::string>& text) {
        if (text)
            test::RawWriteString(root_, path_, name_, *text);
        else
            test::RawDeleteValue(root_, path_, name_);
    }
    void SetRaw(DWORD type, const std::string& data) { test::RawWrite(root_, path_, name_, type, data); }

private:
    HKEY root_;
    std::string path_, name_;
    std::optional<test::RawValue> saved_;
};

TEST(FolderLookupTest, WindowsFolderGetsOneBackslash) {
    const std::string folder = GetWindowsFolder();
    EXPECT_EQ(folder, SystemWindowsFolder() + "\\");
    EXPECT_TRUE(_stricmp(folder.c_str(), "C:\\windows\\") == 0) << folder;
}

TEST(FolderLookupTest, DefaultInstallFolderTakesTheFirstNonEmptySource) {
    const std::optional<std::string> none;
    const struct {
        const char* label;
        std::optional<std::string> first, second, programFiles;
        std::string expected;
    } cases[] = {
        {"first wins", "C:\\First", "C:\\Second", "C:\\PF", "C:\\First"},
        {"empty first", "", "C:\\Second", "C:\\PF", "C:\\Second"},
        {"missing first", none, "C:\\Apps\\Brivanta", "C:\\PF", "C:\\Apps\\Brivanta"},
        {"stored as stored", none, "C:\\Apps\\Brivanta\\", "C:\\PF", "C:\\Apps\\Brivanta\\"},
        {"program files", none, "", "C:\\Program Files", "C:\\Program Files\\Brivanta"},
        {"none readable", none, none, none, "\\Brivanta"},
    };
    ValueOverride first(HKEY_LOCAL_MACHINE, kAppPaths, "Path");
    ValueOverride second(HKEY_LOCAL_MACHINE, kProgramAppPaths, "Path");
    ValueOverride programFiles(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        first.Set(c.first);
        second.Set(c.second);
        programFiles.Set(c.programFiles);
        EXPECT_EQ(GetDefaultInstallFolder(), c.expected);
    }
}

TEST(FolderLookupTest, DefaultInstallFolderWithoutStoredInstallation) {
    ValueOverride first(HKEY_LOCAL_MACHINE, kAppPaths, "Path");
    ValueOverride second(HKEY_LOCAL_MACHINE, kProgramAppPaths, "Path");
    first.Set(std::nullopt);
    second.Set(std::nullopt);
    // The prefix's own Program Files folder.
    EXPECT_EQ(GetDefaultInstallFolder(), "C:\\Program Files\\Brivanta");
}

TEST(FolderLookupTest, KeysReadableButNotWritableCountAsAbsent) {
    ValueOverride second(HKEY_LOCAL_MACHINE, kProgramAppPaths, "Path");
    second.Set(std::nullopt);
    ValueOverride first(HKEY_LOCAL_MACHINE, kAppPaths, "Path");
    first.Set("C:\\Hidden");
    test::RestrictKey(HKEY_LOCAL_MACHINE, kAppPaths, KEY_READ);
    EXPECT_EQ(GetDefaultInstallFolder(), "C:\\Program Files\\Brivanta");
    test::RawDeleteTree(HKEY_LOCAL_MACHINE, kAppPaths);
}

TEST(FolderLookupTest, WrongTypedSourceRaises) {
    ValueOverride first(HKEY_LOCAL_MACHINE, kAppPaths, "Path");
    first.SetRaw(REG_DWORD, std::string("\1\0\0\0", 4));
    try {
        GetDefaultInstallFolder();
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Invalid data type for 'Path'");
    }
}

TEST(FolderLookupTest, ShellFolders) {
    const std::string windows = SystemWindowsFolder() + "\\";
    const std::optional<std::string> none;
    const struct {
        const char* name;
        std::optional<std::string> stored;
        std::string expected;
    } cases[] = {
        {"Programs", "C:\\Menu\\Programs", "C:\\Menu\\Programs\\"},
        {"Desktop", "C:\\Desk\\", "C:\\Desk\\\\"},
        {"Programs", none, windows + "Programs\\"},
        {"Desktop", none, windows + "Desktop\\"},
        {"Desktop", "", windows + "Desktop\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ValueOverride value(HKEY_CURRENT_USER, kShellFolders, c.name);
        value.Set(c.stored);
        EXPECT_EQ(GetShellFolder(c.name), c.expected);
    }
    ValueOverride expand(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    const std::string data = "%USERPROFILE%\\Desktop";
    expand.SetRaw(REG_EXPAND_SZ, std::string(data.c_str(), data.size() + 1));
    EXPECT_EQ(GetShellFolder("Desktop"), data + "\\");
}

TEST(FolderLookupTest, ShellFoldersOfAFreshPrefix) {
    const auto programs = test::RawString(HKEY_CURRENT_USER, kShellFolders, "Programs");
    const auto desktop = test::RawString(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    ASSERT_TRUE(programs && desktop);
    EXPECT_EQ(GetShellFolder("Programs"), *programs + "\\");
    EXPECT_EQ(GetShellFolder("Desktop"), *desktop + "\\");
}

}  // namespace
}  // namespace bvt
