// The directory reader and the extraction on archives made by other tools.
#include <gtest/gtest.h>

#include "ArchiveTestSupport.h"
#include "ZipDirectory.h"
#include "ZipExtract.h"

using namespace bvt::zip;
using namespace bvt::ziptest;

namespace {

struct ToolCase {
    const char* tool;
    const char* command;   // run in the source folder, writes ../a.zip
    bool hasDirectoryEntries;
};

// The same three files, one of them under sub/, packed by each tool.
const ToolCase toolCases[] = {
    {"Info-ZIP zip", "zip -q -r -9 ../a.zip big.bin readme.txt sub", true},
    {"Info-ZIP zip, stored", "zip -q -r -0 ../a.zip big.bin readme.txt sub", true},
    {"Info-ZIP zip to a pipe (data descriptors)", "zip -q -r - big.bin readme.txt sub | cat > ../a.zip", true},
    {"7-Zip", "7z a -tzip -bd ../a.zip big.bin readme.txt sub", true},
    {"bsdtar", "bsdtar --format zip -cf ../a.zip big.bin readme.txt sub", true},
    {"Python zipfile, deflated",
     "python3 -c \"import zipfile;z=zipfile.ZipFile('../a.zip','w',zipfile.ZIP_DEFLATED);"
     "[z.write(n) for n in ('big.bin','readme.txt','sub/empty.dat')];z.close()\"",
     false},
    {"Python zipfile, unseekable output",
     "python3 -c \"import zipfile,sys;z=zipfile.ZipFile(sys.stdout.buffer,'w',zipfile.ZIP_DEFLATED);"
     "[z.write(n) for n in ('big.bin','readme.txt','sub/empty.dat')];z.close()\" | cat > ../a.zip",
     false},
};

class ToolArchives : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolArchives, ExtractFlatAndByteForByte) {
    ScratchDir dir;
    Shell(dir.Path(), "mkdir src src/sub out");
    const auto big = SampleContent(700 * 1024, 7);
    const auto readme = Bytes("first line\r\nsecond line\nthird\r\n");
    WriteBytes(dir / "src/big.bin", big);
    WriteBytes(dir / "src/readme.txt", readme);
    WriteBytes(dir / "src/sub/empty.dat", {});
    ASSERT_EQ(0, Shell(dir / "src", GetParam().command)) << GetParam().tool;

    FileArchive archive(dir / "a.zip");
    const ZipDirectory directory = ReadZipDirectory(archive.Source());
    EXPECT_FALSE(directory.offsetMismatch);
    const ZipOutcome outcome = ExtractAll(archive.Source(), directory, dir / "out", ZipExtractOptions{});

    EXPECT_TRUE(outcome.Succeeded()) << outcome.firstError;
    EXPECT_EQ(3u, outcome.filesWritten);
    EXPECT_EQ(GetParam().hasDirectoryEntries, outcome.directoriesSkipped > 0);
    EXPECT_EQ((std::vector<std::string>{"big.bin", "empty.dat", "readme.txt"}), dir.List("out"));
    EXPECT_EQ(big, ReadBytes(dir / "out/big.bin"));
    EXPECT_EQ(readme, ReadBytes(dir / "out/readme.txt"));  // no line-ending conversion
    EXPECT_TRUE(ReadBytes(dir / "out/empty.dat").empty());
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolArchives, ::testing::ValuesIn(toolCases));

TEST(ZipExtract, ReplacesExistingFilesAndKeepsOthers) {
    ScratchDir dir;
    Shell(dir.Path(), "mkdir out && echo new > a.txt && zip -q a.zip a.txt");
    WriteText(dir / "out/a.txt", "an older and longer text");
    WriteText(dir / "out/other.txt", "kept");
    const ZipOutcome outcome = ExtractArchiveFile(dir / "a.zip", dir / "out", ZipExtractOptions{});
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(Bytes("new\n"), ReadBytes(dir / "out/a.txt"));
    EXPECT_EQ(Bytes("kept"), ReadBytes(dir / "out/other.txt"));
}

TEST(ZipExtract, WithoutOverwriteExistingFilesStayAndTheEntryFails) {
    ScratchDir dir;
    Shell(dir.Path(), "mkdir out && echo new > a.txt && echo b > b.txt && zip -q a.zip a.txt b.txt");
    WriteText(dir / "out/a.txt", "old");
    ZipExtractOptions options;
    options.overwrite = false;
    const ZipOutcome outcome = ExtractArchiveFile(dir / "a.zip", dir / "out", options);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_EQ("a.txt: the file exists and is not replaced", outcome.firstError);
    EXPECT_EQ(Bytes("old"), ReadBytes(dir / "out/a.txt"));
    EXPECT_EQ(Bytes("b\n"), ReadBytes(dir / "out/b.txt"));
}

TEST(ZipExtract, KeepsTheStoredModificationTime) {
    ScratchDir dir;
    Shell(dir.Path(), "mkdir out && echo x > t.txt && touch -d '2001-02-03 04:05:06' t.txt && zip -q a.zip t.txt");
    ASSERT_TRUE(ExtractArchiveFile(dir / "a.zip", dir / "out", ZipExtractOptions{}).Succeeded());
    EXPECT_EQ(0, Shell(dir.Path(), "test \"$(date -r out/t.txt '+%F %T')\" = '2001-02-03 04:05:06'"));
}

TEST(ZipExtract, TestModeWritesNothing) {
    ScratchDir dir;
    Shell(dir.Path(), "mkdir out && echo x > t.txt && zip -q a.zip t.txt");
    ZipExtractOptions options;
    options.testOnly = true;
    const ZipOutcome outcome = ExtractArchiveFile(dir / "a.zip", dir / "out", options);
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(1u, outcome.filesWritten);
    EXPECT_TRUE(dir.List("out").empty());
}

TEST(ZipExtract, EncryptedEntryFailsAloneWithAClearReason) {
    ScratchDir dir;
    Shell(dir.Path(), "mkdir out && echo s > secret.txt && echo p > plain.txt && zip -q -P pw a.zip secret.txt && zip -q a.zip plain.txt");
    const ZipOutcome outcome = ExtractArchiveFile(dir / "a.zip", dir / "out", ZipExtractOptions{});
    EXPECT_FALSE(outcome.Succeeded());
    ASSERT_EQ(1u, outcome.failures.size());
    EXPECT_EQ("secret.txt", outcome.failures[0].name);
    EXPECT_EQ("encrypted entry", outcome.failures[0].reason);
    EXPECT_EQ("secret.txt: encrypted entry", outcome.firstError);
    EXPECT_EQ(std::vector<std::string>{"plain.txt"}, dir.List("out"));
}

TEST(ZipExtract, AnObserverCanEndTheRunBeforeTheNextEntry) {
    struct StopAfterFirst : ZipExtractObserver {
        int begun = 0;
        void EntryBegins(const ZipEntry&, const std::string&) override { ++begun; }
        bool StopRequested() override { return begun > 0; }
    } observer;
    ScratchDir dir;
    Shell(dir.Path(), "mkdir out && echo a > a.txt && echo b > b.txt && zip -q a.zip a.txt b.txt");
    const ZipOutcome outcome = ExtractArchiveFile(dir / "a.zip", dir / "out", ZipExtractOptions{}, &observer);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_EQ(1u, outcome.filesWritten);
    EXPECT_EQ(std::vector<std::string>{"a.txt"}, dir.List("out"));
}

TEST(ZipExtract, MissingArchiveIsAnOutcomeNotAnException) {
    ScratchDir dir;
    const ZipOutcome outcome = ExtractArchiveFile(dir / "none.zip", dir.Path(), ZipExtractOptions{});
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_NE(std::string::npos, outcome.firstError.find("Cannot open archive"));
}

}  // namespace
