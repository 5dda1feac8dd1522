// TFileSource against the Windows temporary folder (GetTempPathA, which
// follows the TMP variable) and Windows file creation.
#include <gtest/gtest.h>

#include <windows.h>

#include "CompressStream.h"
#include "FileSrc.h"
#include "FileStream.h"
#include "Streams.h"

using namespace bvt;

namespace {

int FiveSeconds() { return 5; }

std::string TempPath() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, n);
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
    if (!bytes.empty()) file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

void WriteAll(const std::string& path, const std::string& text) {
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(text.data(), text.size());
}

class WindowsFileSource : public ::testing::Test {
protected:
    void SetUp() override {
        SetTempNameClock(&FiveSeconds);
        temp_ = TempPath();
        ASSERT_FALSE(temp_.empty());
        ASSERT_EQ(temp_.back(), '\\');
        sub_ = temp_ + "bvt_filestore";
        CreateDirectoryA(sub_.c_str(), nullptr);
    }
    void TearDown() override {
        SetEnvironmentVariableA("TMP", original_.empty() ? nullptr : original_.c_str());
        SetTempNameClock(nullptr);
    }
    void UseTmp(const std::string& folder) {
        char buffer[MAX_PATH + 1] = {};
        if (original_.empty() && GetEnvironmentVariableA("TMP", buffer, MAX_PATH)) original_ = buffer;
        ASSERT_TRUE(SetEnvironmentVariableA("TMP", folder.c_str()));
    }
    // A component restored from the stored-form bytes of `text`.
    static void Restore(TFileSource& fs, const std::string& text) {
        TMemoryStream data;
        data.WriteInt32(static_cast<std::int32_t>(text.size()));
        data.WriteBuffer(text.data(), text.size());
        data.SetPosition(0);
        fs.ReadFileData(data);
    }

    std::string temp_, sub_, original_;
};

TEST_F(WindowsFileSource, RestoresCompressedDataIntoTheTempFolderAndDeletesItWhenDestroyed) {
    const std::string content(50000, 'z');
    TMemoryStream source(std::vector<std::uint8_t>(content.begin(), content.end())), container;
    TCompressStream().CompressStream(source, container, static_cast<std::int32_t>(content.size()));
    container.SetPosition(0);

    std::string path;
    {
        TFileSource fs(nullptr);
        fs.SetCompress(true);
        fs.SetExtension(".dll");
        fs.ReadFileData(container);
        path = fs.FileName();
        EXPECT_EQ(path, temp_ + "~fs50.dll");
        EXPECT_EQ(ReadAll(path), std::vector<std::uint8_t>(content.begin(), content.end()));
    }
    EXPECT_FALSE(FileExists(path));
}

TEST_F(WindowsFileSource, ExactlyOneBackslashBeforeTheName) {
    for (const std::string& tmp : {sub_, sub_ + "\\"}) {
        SCOPED_TRACE(tmp);
        UseTmp(tmp);
        ASSERT_EQ(TempPath(), sub_ + "\\");
        TFileSource fs(nullptr);
        fs.SetExtension(".zip");
        Restore(fs, "PK");
        EXPECT_EQ(fs.FileName(), sub_ + "\\~fs50.zip");
    }
}

TEST_F(WindowsFileSource, ExistingFilesAreSkippedNotOverwritten) {
    UseTmp(sub_);
    WriteAll(sub_ + "\\~fs50.dll", "first");
    WriteAll(sub_ + "\\~fs51.dll", "second");
    {
        TFileSource fs(nullptr);
        fs.SetExtension(".dll");
        Restore(fs, "new");
        EXPECT_EQ(fs.FileName(), sub_ + "\\~fs52.dll");
    }
    EXPECT_EQ(ReadAll(sub_ + "\\~fs50.dll"), std::vector<std::uint8_t>({'f', 'i', 'r', 's', 't'}));
    EXPECT_TRUE(FileExists(sub_ + "\\~fs51.dll"));
    EXPECT_FALSE(FileExists(sub_ + "\\~fs52.dll"));
}

TEST_F(WindowsFileSource, MissingTempFolderIsAnErrorNotALoop) {
    UseTmp(sub_ + "\\missing");
    TFileSource fs(nullptr);
    EXPECT_THROW(Restore(fs, "x"), EFCreateError);
    EXPECT_FALSE(fs.OwnsTempFile());
}

}  // namespace
