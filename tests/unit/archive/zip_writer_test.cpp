// The writer's archive, field by field against the payload layout, and as
// other tools see it.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>

#include "ArchiveTestSupport.h"
#include "ZipDirectory.h"
#include "ZipFormat.h"
#include "ZipWriter.h"

using namespace bvt::zip;
using namespace bvt::ziptest;

namespace {

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return Get16(b.data() + at); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return Get32(b.data() + at); }

struct PayloadFixture {
    ScratchDir dir;
    const std::vector<std::string> names = {"uninstall.exe", "sample.bvt", "readme.txt", "Brivanta.chm", "Brivanta.exe"};
    std::vector<std::vector<std::uint8_t>> contents;
    std::vector<std::uint8_t> zip;

    PayloadFixture() {
        std::vector<ZipWriteItem> items;
        for (std::size_t i = 0; i < names.size(); ++i) {
            contents.push_back(i == 2 ? Bytes("Read me\r\nplease\r\n") : SampleContent(20000 * (i + 1), static_cast<unsigned>(i)));
            WriteBytes(dir / names[i], contents.back());
            items.push_back(ZipWriteItem{dir / names[i], "", {}});
        }
        ZipWriteOptions options;
        options.fixedTime = ParseDosStamp("2026-11-30T17:45:58");
        WriteZipArchive(dir / "payload.zip", items, options);
        zip = ReadBytes(dir / "payload.zip");
    }
};

TEST(ZipWriter, EveryFieldFollowsThePayloadLayout) {
    PayloadFixture f;
    const std::vector<std::uint8_t>& z = f.zip;
    const std::uint16_t date = ((2026 - 1980) << 9) | (11 << 5) | 30, time = (17 << 11) | (45 << 5) | 29;

    std::size_t at = 0;
    std::vector<std::size_t> localOffsets;
    for (std::size_t i = 0; i < f.names.size(); ++i) {
        SCOPED_TRACE(f.names[i]);
        const auto& content = f.contents[i];
        localOffsets.push_back(at);
        EXPECT_EQ(LocalHeaderSignature, U32(z, at));
        EXPECT_EQ(20, U16(z, at + local::VersionNeeded));
        EXPECT_EQ(0, U16(z, at + local::Flags));
        EXPECT_EQ(8, U16(z, at + local::Method));
        EXPECT_EQ(time, U16(z, at + local::Time));
        EXPECT_EQ(date, U16(z, at + local::Date));
        EXPECT_EQ(crc32(0, content.data(), static_cast<uInt>(content.size())), U32(z, at + local::Crc));
        EXPECT_EQ(content.size(), U32(z, at + local::UncompressedSize));
        EXPECT_EQ(f.names[i].size(), U16(z, at + local::NameLength));
        EXPECT_EQ(0, U16(z, at + local::ExtraLength));
        EXPECT_EQ(f.names[i], std::string(z.begin() + at + LocalHeaderSize, z.begin() + at + LocalHeaderSize + f.names[i].size()));
        at += LocalHeaderSize + f.names[i].size() + U32(z, at + local::CompressedSize);  // next entry follows directly
    }

    const std::size_t directoryStart = at;
    for (std::size_t i = 0; i < f.names.size(); ++i) {
        SCOPED_TRACE(f.names[i]);
        EXPECT_EQ(CentralHeaderSignature, U32(z, at));
        EXPECT_EQ(0x0B14, U16(z, at + central::VersionMadeBy));
        EXPECT_EQ(20, U16(z, at + central::VersionNeeded));
        EXPECT_EQ(0, U16(z, at + central::Flags));
        EXPECT_EQ(8, U16(z, at + central::Method));
        EXPECT_EQ(time, U16(z, at + central::Time));
        EXPECT_EQ(date, U16(z, at + central::Date));
        for (const std::size_t field : {central::Crc, central::CompressedSize, central::UncompressedSize})
            EXPECT_EQ(U32(z, localOffsets[i] + field - 2), U32(z, at + field));
        EXPECT_EQ(0, U16(z, at + central::ExtraLength));
        EXPECT_EQ(0, U16(z, at + central::CommentLength));
        EXPECT_EQ(0, U16(z, at + central::DiskStart));
        EXPECT_EQ(f.names[i] == "readme.txt" ? 1 : 0, U16(z, at + central::InternalAttributes));
        EXPECT_EQ(0x20u, U32(z, at + central::ExternalAttributes));
        EXPECT_EQ(localOffsets[i], U32(z, at + central::LocalHeaderOffset));
        at += CentralHeaderSize + f.names[i].size();
    }

    ASSERT_EQ(z.size(), at + EndRecordSize);  // the end record is the last 22 bytes
    EXPECT_EQ(EndRecordSignature, U32(z, at));
    EXPECT_EQ(0, U16(z, at + endrec::DiskNumber));
    EXPECT_EQ(0, U16(z, at + endrec::DirectoryDisk));
    EXPECT_EQ(5, U16(z, at + endrec::EntriesOnDisk));
    EXPECT_EQ(5, U16(z, at + endrec::EntriesTotal));
    EXPECT_EQ(at - directoryStart, U32(z, at + endrec::DirectorySize));
    EXPECT_EQ(directoryStart, U32(z, at + endrec::DirectoryOffset));
    EXPECT_EQ(0, U16(z, at + endrec::CommentLength));
}

TEST(ZipWriter, OtherToolsAcceptTheArchive) {
    PayloadFixture f;
    EXPECT_EQ(0, Shell(f.dir.Path(), "unzip -t payload.zip"));
    EXPECT_EQ(0, Shell(f.dir.Path(), "python3 -c \"import zipfile,sys;z=zipfile.ZipFile('payload.zip');"
                                     "sys.exit(z.testzip() is not None or [i.filename for i in z.infolist()]!="
                                     "['uninstall.exe','sample.bvt','readme.txt','Brivanta.chm','Brivanta.exe'])\""));
    EXPECT_EQ(0, Shell(f.dir.Path(), "mkdir x && cd x && 7z x -bd ../payload.zip && cmp readme.txt ../readme.txt"));
}

TEST(ZipWriter, SameInputsGiveTheSameBytes) {
    PayloadFixture a, b;
    EXPECT_EQ(a.zip, b.zip);
}

TEST(ZipWriter, EntryTimeComesFromTheFileWithoutAFixedTime) {
    ScratchDir dir;
    WriteText(dir / "t.txt", "x");
    ASSERT_EQ(0, Shell(dir.Path(), "touch -d '2019-07-08 09:10:12' t.txt"));
    WriteZipArchive(dir / "a.zip", {{dir / "t.txt", "", {}}}, {});
    const auto z = ReadBytes(dir / "a.zip");
    EXPECT_EQ(((2019 - 1980) << 9) | (7 << 5) | 8, U16(z, local::Date));
    EXPECT_EQ((9 << 11) | (10 << 5) | 6, U16(z, local::Time));
}

TEST(ZipWriter, TimesParseStrictly) {
    EXPECT_EQ(MakeDosStamp(1980, 1, 1, 0, 0, 0).date, ParseDosStamp("1980-01-01T00:00:00").date);
    EXPECT_EQ(MakeDosStamp(2107, 12, 31, 23, 59, 58).time, ParseDosStamp("2107-12-31T23:59:59").time);
    for (const char* bad : {"", "2026-1-01T00:00:00", "1979-12-31T23:59:59", "2108-01-01T00:00:00",
                            "2026-13-01T00:00:00", "2026-01-01 00:00:00", "2026-01-01T24:00:00", "2026-01-01T00:00:00Z"})
        EXPECT_THROW(ParseDosStamp(bad), EZipError) << bad;
}

TEST(ZipWriter, SourceDateEpochIsUtc) {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);  // 2023-11-14 22:13:20 UTC
    const auto stamp = SourceDateEpochStamp();
    unsetenv("SOURCE_DATE_EPOCH");
    ASSERT_TRUE(stamp.has_value());
    EXPECT_EQ(MakeDosStamp(2023, 11, 14, 22, 13, 20).date, stamp->date);
    EXPECT_EQ(MakeDosStamp(2023, 11, 14, 22, 13, 20).time, stamp->time);
    EXPECT_FALSE(SourceDateEpochStamp().has_value());
}

TEST(ZipWriter, AMissingSourceLeavesNoArchive) {
    ScratchDir dir;
    WriteText(dir / "a.txt", "x");
    EXPECT_ANY_THROW(WriteZipArchive(dir / "out.zip", {{dir / "a.txt", "", {}}, {dir / "missing", "", {}}}, {}));
    EXPECT_EQ(std::vector<std::string>{"a.txt"}, dir.List());
}

}  // namespace
