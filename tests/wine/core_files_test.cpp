// Windows file primitives of the platform core, against Wine's file system.
#include <gtest/gtest.h>

#include <windows.h>

#include "Exceptions.h"
#include "FileStream.h"

using namespace bvt;

TEST(WindowsFiles, TempFolderEndsWithBackslashAndCreateNewIsExclusive) {
    const std::string temp = SystemTempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    const std::string path = temp + "bvt_core_test.tmp";
    DeleteFileAt(path);
    EXPECT_EQ(CreateNewFile(path), CreateNewResult::Created);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(CreateNewFile(path), CreateNewResult::Exists);
    EXPECT_EQ(CreateNewFile(temp + "no such folder\\x.tmp"), CreateNewResult::Failed);
    EXPECT_FALSE(FileExists(temp));  // a folder is not a file
    {
        TFileStream f(path, FileMode::Create);
        f.WriteBuffer("hello", 5);
        EXPECT_EQ(f.Size(), 5);
    }
    {
        TFileStream r(path, FileMode::OpenRead);
        char buf[5];
        r.ReadBuffer(buf, 5);
        EXPECT_EQ(std::string(buf, 5), "hello");
    }
    EXPECT_TRUE(DeleteFileAt(path));
    EXPECT_THROW(TFileStream(path, FileMode::OpenRead), EFOpenError);
}
