// The naming rule of the extraction: bare names, unsafe ones refused.
#include <gtest/gtest.h>

#include "ArchiveTestSupport.h"
#include "ZipExtract.h"
#include "ZipNames.h"
#include "ZipWriter.h"

using namespace bvt::zip;
using namespace bvt::ziptest;

namespace {

TEST(ZipNames, BareNameDropsEveryFolderPart) {
    const std::pair<const char*, const char*> cases[] = {
        {"readme.txt", "readme.txt"}, {"docs/readme.txt", "readme.txt"},  {"a\\b\\c.dll", "c.dll"},
        {"../../evil.exe", "evil.exe"}, {"C:/Windows/x.dll", "x.dll"},     {"dir/", ""},
        {"/abs/path.bin", "path.bin"},  {"mixed\\sep/name", "name"},
    };
    for (const auto& [stored, bare] : cases) EXPECT_EQ(bare, BareName(stored)) << stored;
}

TEST(ZipNames, UnsafeNamesAreRefusedWithTheirReason) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "empty"},
        {".", "\".\" or \"..\""},
        {"..", "\".\" or \"..\""},
        {"C:evil.exe", "colon"},
        {"file.txt:stream", "colon"},
        {std::string("tab\tname"), "control character"},
        {std::string("nul\0byte", 8), "control character"},
        {"bell\x07", "control character"},
        {"what?.txt", "not allowed"},
        {"a*b", "not allowed"},
        {"pipe|name", "not allowed"},
        {"CON", "reserved device"},
        {"con", "reserved device"},
        {"nul.txt", "reserved device"},
        {"Aux.tar.gz", "reserved device"},
        {"PRN ", "trailing dot or space"},
        {"prn .log", "reserved device"},
        {"COM1", "reserved device"},
        {"com9.dat", "reserved device"},
        {"LPT1", "reserved device"},
        {"lpt5.x", "reserved device"},
        {"COM\xB9", "reserved device"},
        {"conin$", "reserved device"},
        {"file.", "trailing dot or space"},
        {"file ", "trailing dot or space"},
        {std::string(256, 'a'), "too long"},
    };
    for (const auto& [name, reason] : cases)
        EXPECT_NE(std::string::npos, UnsafeNameReason(name).find(reason)) << "\"" << name << "\" -> " << UnsafeNameReason(name);
}

TEST(ZipNames, PlainNamesPass) {
    for (const char* name : {"readme.txt", "Brivanta.exe", "UNINSTALL.EXE", "COM10", "LPT0", "console.log", "nul_x",
                             ".hidden", "a b.txt", "caf\xE9.txt", "com"})
        EXPECT_EQ("", UnsafeNameReason(name)) << name;
    EXPECT_EQ("", UnsafeNameReason(std::string(255, 'n')));
}

TEST(ZipNames, JoinAddsOneSeparatorOnlyWhenMissing) {
    EXPECT_EQ("/d/f", JoinPath("/d", "f"));
    EXPECT_EQ("/d/f", JoinPath("/d/", "f"));
    EXPECT_EQ("C:\\d\\f", JoinPath("C:\\d\\", "f"));
    EXPECT_EQ("f", JoinPath("", "f"));
}

// An archive written by Python with hostile names: only the safe bare names
// are written, directly in the base folder, and nothing lands outside it.
TEST(ZipNames, ExtractionRefusesUnsafeNamesAndStaysInTheBaseFolder) {
    ScratchDir dir;
    ASSERT_EQ(0, Shell(dir.Path(),
                       "mkdir base && python3 -c \"import zipfile;z=zipfile.ZipFile('a.zip','w');"
                       "[z.writestr(n,'x') for n in ('../up.txt','sub/deep/ok.txt','..','a/..','con','nul.txt',"
                       "'x:y','bad.','bad ','COM3.log','dir/','\\\\\\\\server\\\\share\\\\s.txt','/etc/abs.txt')];z.close()\""));
    const ZipOutcome outcome = ExtractArchiveFile(dir / "a.zip", dir / "base", ZipExtractOptions{});
    EXPECT_EQ((std::vector<std::string>{"abs.txt", "ok.txt", "s.txt", "up.txt"}), dir.List("base"));
    EXPECT_EQ((std::vector<std::string>{"a.zip", "base"}), dir.List());
    std::vector<std::string> refused;
    for (const ZipEntryFailure& f : outcome.failures) refused.push_back(f.name);
    EXPECT_EQ((std::vector<std::string>{"..", "a/..", "con", "nul.txt", "x:y", "bad.", "bad ", "COM3.log"}), refused);
    EXPECT_EQ(1u, outcome.directoriesSkipped);
    EXPECT_FALSE(outcome.Succeeded());
}

TEST(ZipNames, TheWriterRefusesUnsafeNames) {
    ScratchDir dir;
    WriteText(dir / "f", "x");
    EXPECT_THROW(WriteZipArchive(dir / "a.zip", {{dir / "f", "nul.txt", {}}}, {}), EZipError);
    EXPECT_TRUE(dir.List() == std::vector<std::string>{"f"});
}

}  // namespace
