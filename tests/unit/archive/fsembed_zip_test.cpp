// The host tool's zip commands end to end, through the built binary.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "ArchiveTestSupport.h"

using namespace bvt::ziptest;

namespace {

std::string Tool() { return std::string(BVT_BINARY_DIR) + "/fsembed"; }

class FsembedZip : public ::testing::Test {
protected:
    void SetUp() override {
        struct stat st {};
        if (::stat(Tool().c_str(), &st) != 0) GTEST_SKIP() << "fsembed not built";
        WriteText(dir / "readme.txt", "read\r\nme\r\n");
        WriteBytes(dir / "app.exe", SampleContent(50000, 1));
        Shell(dir.Path(), "mkdir out");
    }
    int Fsembed(const std::string& args) { return Shell(dir.Path(), "'" + Tool() + "' " + args); }
    ScratchDir dir;
};

TEST_F(FsembedZip, ZipListUnzipRoundTrip) {
    ASSERT_EQ(0, Fsembed("zip p.zip --time 2026-01-02T03:04:05 app.exe readme.txt"));
    EXPECT_EQ(0, Fsembed("ziplist p.zip"));
    EXPECT_EQ(0, Fsembed("unzip p.zip out"));
    EXPECT_EQ(ReadBytes(dir / "readme.txt"), ReadBytes(dir / "out/readme.txt"));
    EXPECT_EQ(ReadBytes(dir / "app.exe"), ReadBytes(dir / "out/app.exe"));
    EXPECT_EQ(0, Shell(dir.Path(), "unzip -Z1 p.zip | tr '\\n' ' ' | grep -qx 'app.exe readme.txt '"));
}

TEST_F(FsembedZip, FailuresGiveANonZeroExit) {
    ASSERT_EQ(0, Fsembed("zip p.zip --time 2026-01-02T03:04:05 app.exe readme.txt"));
    auto bytes = ReadBytes(dir / "p.zip");
    bytes[14] ^= 1;  // the first entry's CRC, in the local header...
    const std::size_t central = FindSignature(bytes, 0x02014b50);
    bytes[central + 16] ^= 1;  // ...and the directory
    WriteBytes(dir / "crc.zip", bytes);
    bytes.resize(bytes.size() - 1);
    WriteBytes(dir / "cut.zip", bytes);
    const struct {
        const char* args;
    } cases[] = {{"ziplist crc.zip"}, {"unzip crc.zip out"}, {"ziplist cut.zip"}, {"unzip cut.zip out"},
                 {"ziplist missing.zip"}, {"zip q.zip missing.bin"}, {"zip q.zip --time 1970-01-01T00:00:00 app.exe"},
                 {"zip q.zip"}, {"unzip p.zip"}};
    for (const auto& c : cases) EXPECT_NE(0, Fsembed(c.args)) << c.args;
    EXPECT_EQ(std::vector<std::string>{"readme.txt"}, dir.List("out"));  // app.exe failed its CRC
}

}  // namespace
