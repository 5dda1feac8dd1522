#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "Exceptions.h"
#include "ForceDirectories.h"

namespace bvt {
namespace {

std::string TempRoot() {
    char buffer[MAX_PATH];
    GetTempPathA(MAX_PATH, buffer);
    std::string root = std::string(buffer) + "bvt_force_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(root.c_str(), nullptr);
    return root;
}

TEST(ForceDirectories, EmptyPathRaisesUnableToCreateDirectory) {
    try {
        ForceDirectories("");
        FAIL() << "no exception";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "Unable to create directory");
    }
}

TEST(ForceDirectories, CreatesEveryMissingLevelAndAcceptsExistingFolders) {
    const std::string root = TempRoot();
    const std::string deep = root + "\\a\\b\\c";
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep));          // already there
    EXPECT_TRUE(ForceDirectories(root + "\\d\\"));  // trailing backslash
    EXPECT_TRUE(DirectoryExists(root + "\\d"));
    EXPECT_TRUE(ForceDirectories("C:\\"));
}

TEST(ForceDirectories, FailsUnderAFileAndForInvalidNames) {
    const std::string root = TempRoot();
    const std::string file = root + "\\file.txt";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    EXPECT_FALSE(ForceDirectories(file + "\\sub"));
    EXPECT_FALSE(ForceDirectories(root + "\\bad<name>"));
}

}  // namespace
}  // namespace bvt
