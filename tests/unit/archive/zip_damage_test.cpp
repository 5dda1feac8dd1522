// Damaged archives: the reader refuses them as a whole before anything is
// written, or the extraction refuses the damaged entry and leaves the old
// target and no temporary file behind.
#include <gtest/gtest.h>

#include <functional>

#include "ArchiveTestSupport.h"
#include "ZipDirectory.h"
#include "ZipEntryReader.h"
#include "ZipExtract.h"
#include "ZipFormat.h"
#include "ZipWriter.h"

using namespace bvt::zip;
using namespace bvt::ziptest;

namespace {

// A two-entry archive from our writer: "a.txt" then "b.bin".
struct Fixture {
    ScratchDir dir;
    std::vector<std::uint8_t> a = Bytes("alpha alpha alpha alpha\r\n"), b = SampleContent(300 * 1024, 3);
    std::vector<std::uint8_t> zip;
    std::size_t central = 0, end = 0, localB = 0;

    Fixture() {
        WriteBytes(dir / "a.txt", a);
        WriteBytes(dir / "b.bin", b);
        ZipWriteOptions options;
        options.fixedTime = MakeDosStamp(2020, 5, 6, 7, 8, 10);
        WriteZipArchive(dir / "good.zip", {{dir / "a.txt", "", {}}, {dir / "b.bin", "", {}}}, options);
        zip = ReadBytes(dir / "good.zip");
        end = zip.size() - EndRecordSize;
        central = FindSignature(zip, CentralHeaderSignature);
        localB = FindSignature(zip, LocalHeaderSignature, 4);
        Shell(dir.Path(), "mkdir out");
    }
    ZipDirectory Read(const std::vector<std::uint8_t>& bytes) {
        MemoryArchive m(bytes.data(), bytes.size());
        return ReadZipDirectory(m.Source());
    }
};

struct DamageCase {
    const char* name;
    std::function<void(Fixture&, std::vector<std::uint8_t>&)> damage;
    const char* expectedMessagePart;
};

const DamageCase damageCases[] = {
    {"empty file", [](Fixture&, auto& z) { z.clear(); }, "too short"},
    {"cut inside the end record", [](Fixture&, auto& z) { z.resize(z.size() - 5); }, "not found"},
    {"cut inside the directory", [](Fixture& f, auto& z) { z.erase(z.begin() + f.central + 10, z.begin() + f.central + 20); }, ""},
    {"cut inside the data", [](Fixture& f, auto& z) { z.erase(z.begin() + f.localB + 40, z.begin() + f.localB + 4000); }, ""},
    {"bad end record signature", [](Fixture& f, auto& z) { z[f.end] = 'X'; }, "not found"},
    {"end record comment length too long", [](Fixture& f, auto& z) { Patch16(z, f.end + endrec::CommentLength, 5); }, "not found"},
    {"directory larger than the archive", [](Fixture& f, auto& z) { Patch32(z, f.end + endrec::DirectorySize, 0x7FFFFFFF); }, "outside"},
    {"entry count too high", [](Fixture& f, auto& z) { Patch16(z, f.end + endrec::EntriesTotal, 3); Patch16(z, f.end + endrec::EntriesOnDisk, 3); }, ""},
    {"entry count too low", [](Fixture& f, auto& z) { Patch16(z, f.end + endrec::EntriesTotal, 1); Patch16(z, f.end + endrec::EntriesOnDisk, 1); }, "does not match"},
    {"multi-disk", [](Fixture& f, auto& z) { Patch16(z, f.end + endrec::DiskNumber, 1); }, "Multi-disk"},
    {"ZIP64 marker", [](Fixture& f, auto& z) { Patch32(z, f.end + endrec::DirectoryOffset, 0xFFFFFFFF); }, "ZIP64"},
    {"bad central signature", [](Fixture& f, auto& z) { z[f.central + 1] = 0; }, "bad signature"},
    {"central name length past the directory", [](Fixture& f, auto& z) { Patch16(z, f.central + central::NameLength, 900); }, ""},
    {"local header offset outside", [](Fixture& f, auto& z) { Patch32(z, f.central + central::LocalHeaderOffset, 0x00FFFFFF); }, "local header"},
    {"local name differs", [](Fixture&, auto& z) { z[LocalHeaderSize] = 'X'; }, "local header"},
    {"local method differs", [](Fixture&, auto& z) { Patch16(z, local::Method, 0); }, "local header"},
    {"local size differs", [](Fixture&, auto& z) { Patch32(z, local::UncompressedSize, 1); }, "local header"},
    {"compressed size into the directory", [](Fixture& f, auto& z) {
         const std::size_t second = FindSignature(z, CentralHeaderSignature, f.central + 4);
         Patch32(z, second + central::CompressedSize, 0x00F00000);
         Patch32(z, f.localB + local::CompressedSize, 0x00F00000);
     }, ""},
    {"overlapping entries", [](Fixture& f, auto& z) {
         // The second directory record names the first local header again.
         const std::size_t second = FindSignature(z, CentralHeaderSignature, f.central + 4);
         std::copy(z.begin() + f.central + 16, z.begin() + f.central + 32, z.begin() + second + 16);
         Patch32(z, second + central::LocalHeaderOffset, 0);
         z[second + CentralHeaderSize] = 'a';
         z[second + CentralHeaderSize + 2] = 't'; z[second + CentralHeaderSize + 3] = 'x'; z[second + CentralHeaderSize + 4] = 't';
     }, "overlap"},
};

class DamagedArchives : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedArchives, AreRefusedBeforeAnythingIsWritten) {
    Fixture f;
    std::vector<std::uint8_t> z = f.zip;
    GetParam().damage(f, z);
    try {
        f.Read(z);
        FAIL() << GetParam().name << ": accepted";
    } catch (const EZipError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find(GetParam().expectedMessagePart)) << e.what();
    }
    WriteBytes(f.dir / "bad.zip", z);
    const ZipOutcome outcome = ExtractArchiveFile(f.dir / "bad.zip", f.dir / "out", ZipExtractOptions{});
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_TRUE(f.dir.List("out").empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedArchives, ::testing::ValuesIn(damageCases));

TEST(ZipDamage, TruncationAtEveryLengthNeverCrashesAndNeverPasses) {
    Fixture f;
    for (std::size_t n = 0; n < f.zip.size(); n += (n < 200 || n > f.zip.size() - 200) ? 1 : 997) {
        std::vector<std::uint8_t> z(f.zip.begin(), f.zip.begin() + n);
        EXPECT_THROW(f.Read(z), EZipError) << n;
    }
}

TEST(ZipDamage, WrongDirectoryOffsetWarnsAndGoesOn) {
    Fixture f;
    for (const std::int64_t delta : {-7, 13}) {
        std::vector<std::uint8_t> z = f.zip;
        Patch32(z, f.end + endrec::DirectoryOffset, static_cast<std::uint32_t>(f.central + delta));
        const ZipDirectory d = f.Read(z);
        EXPECT_TRUE(d.offsetMismatch);
        EXPECT_EQ(f.central, d.directoryStart);
        EXPECT_NE(std::string::npos, OffsetMismatchWarning(d).find("differs from its computed start"));
        WriteBytes(f.dir / "moved.zip", z);
        EXPECT_TRUE(ExtractArchiveFile(f.dir / "moved.zip", f.dir / "out", ZipExtractOptions{}).Succeeded());
        EXPECT_EQ(f.b, ReadBytes(f.dir / "out/b.bin"));
    }
}

TEST(ZipDamage, BytesBeforeTheArchiveAreSkipped) {
    Fixture f;
    std::vector<std::uint8_t> z = f.zip;
    z.insert(z.begin(), 100, 0xEE);
    const ZipDirectory d = f.Read(z);
    EXPECT_TRUE(d.offsetMismatch);
    WriteBytes(f.dir / "prefixed.zip", z);
    EXPECT_TRUE(ExtractArchiveFile(f.dir / "prefixed.zip", f.dir / "out", ZipExtractOptions{}).Succeeded());
    EXPECT_EQ(f.a, ReadBytes(f.dir / "out/a.txt"));
}

struct EntryDamageCase {
    const char* name;
    std::function<void(Fixture&, std::vector<std::uint8_t>&)> damage;
    const char* reason;
};

void PatchBothHeaders(Fixture& f, std::vector<std::uint8_t>& z, std::size_t localField, std::size_t centralField,
                      std::uint32_t value) {
    const std::size_t second = FindSignature(z, CentralHeaderSignature, f.central + 4);
    Patch32(z, f.localB + localField, value);
    Patch32(z, second + centralField, value);
}

const EntryDamageCase entryDamageCases[] = {
    {"CRC mismatch", [](Fixture& f, auto& z) { PatchBothHeaders(f, z, local::Crc, central::Crc, 0x12345678); }, "CRC-32 mismatch"},
    {"flipped data byte", [](Fixture& f, auto& z) { z[f.localB + LocalHeaderSize + 5 + 1000] ^= 0x55; }, ""},
    // A zip bomb: far more data inflates than the headers declare.
    {"declared size too small", [](Fixture& f, auto& z) { PatchBothHeaders(f, z, local::UncompressedSize, central::UncompressedSize, 1000); }, "size differs"},
    {"declared size too large", [](Fixture& f, auto& z) { PatchBothHeaders(f, z, local::UncompressedSize, central::UncompressedSize, 400 * 1024); }, "size differs"},
};

class DamagedEntries : public ::testing::TestWithParam<EntryDamageCase> {};

TEST_P(DamagedEntries, KeepTheOldTargetAndLeaveNoTemporaryFile) {
    Fixture f;
    std::vector<std::uint8_t> z = f.zip;
    GetParam().damage(f, z);
    WriteBytes(f.dir / "bad.zip", z);
    WriteText(f.dir / "out/b.bin", "old target");

    const ZipOutcome outcome = ExtractArchiveFile(f.dir / "bad.zip", f.dir / "out", ZipExtractOptions{});
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_EQ(1u, outcome.filesWritten);
    ASSERT_EQ(1u, outcome.failures.size());
    EXPECT_EQ("b.bin", outcome.failures[0].name);
    EXPECT_NE(std::string::npos, outcome.failures[0].reason.find(GetParam().reason)) << outcome.failures[0].reason;
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.bin"}), f.dir.List("out"));
    EXPECT_EQ(Bytes("old target"), ReadBytes(f.dir / "out/b.bin"));
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedEntries, ::testing::ValuesIn(entryDamageCases));

TEST(ZipEntryReader, NeverDeliversMoreThanDeclaredAndGivesTheVerdictWithTheLastBytes) {
    Fixture f;
    std::vector<std::uint8_t> z = f.zip;
    PatchBothHeaders(f, z, local::UncompressedSize, central::UncompressedSize, 1000);
    const ZipDirectory d = f.Read(z);
    MemoryArchive m(z.data(), z.size());
    ZipEntryReader reader(m.Source(), d.entries[1]);
    std::vector<std::uint8_t> out(1 << 20);
    const ZipChunk c = reader.Read(out.data(), out.size());
    EXPECT_EQ(1000u, c.size);
    EXPECT_EQ(ZipVerdict::SizeMismatch, c.verdict);
    const ZipChunk again = reader.Read(out.data(), out.size());
    EXPECT_EQ(0u, again.size);
    EXPECT_EQ(ZipVerdict::SizeMismatch, again.verdict);
}

TEST(ZipEntryReader, SmallBuffersGetTheVerdictOnTheFinalPiece) {
    Fixture f;
    const ZipDirectory d = f.Read(f.zip);
    MemoryArchive m(f.zip.data(), f.zip.size());
    for (const std::size_t capacity : {std::size_t{1}, std::size_t{4096}, f.b.size(), f.b.size() + 1}) {
        ZipEntryReader reader(m.Source(), d.entries[1]);
        std::vector<std::uint8_t> got, buffer(capacity);
        ZipChunk c;
        do {
            c = reader.Read(buffer.data(), capacity);
            got.insert(got.end(), buffer.begin(), buffer.begin() + c.size);
            if (c.verdict == ZipVerdict::Pending) {
                ASSERT_EQ(capacity, c.size);
            }
        } while (c.verdict == ZipVerdict::Pending);
        EXPECT_EQ(ZipVerdict::Ok, c.verdict) << capacity;
        EXPECT_GT(c.size, 0u);
        EXPECT_EQ(f.b, got);
    }
}

}  // namespace
