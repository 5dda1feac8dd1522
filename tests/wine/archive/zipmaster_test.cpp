// TZipMaster under Windows: where it loads the engine from, what it refuses,
// which boxes the user sees and what the outcome record says.
#include <gtest/gtest.h>

#include <functional>

#include "ArchiveWinSupport.h"
#include "ZipHost.h"
#include "ZipMaster.h"

using namespace bvt;
using namespace bvt::wintest;

namespace {

class ZipMasterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ZipHost host;
        host.title = [] { return std::string("Brivanta Setup"); };
        host.messageBox = [this](const std::string& text) { boxes.push_back(text); };
        host.processMessages = [this] {
            ++callbacks;
            if (duringCallback) duringCallback();
        };
        host.hourglass = [this](bool on) { hourglassChanges.push_back(on); };
        SetZipHost(host);
        archive = MakeSampleArchive(work);
        CopyEngine("real", engineFolder.Path());
    }

    static void CopyEngine(const std::string& variant, const std::string& folder) {
        ASSERT_TRUE(CopyFileA(EngineVariant(variant).c_str(), (folder + "\\unzdll.dll").c_str(), FALSE)) << variant;
    }

    // The install sequence's four calls.
    void Install(TZipMaster& zip, const std::string& dllDirectory, const std::string& baseDir) {
        zip.SetDLLDirectory(dllDirectory);
        zip.SetZipFileName(archive.path);
        zip.SetExtrBaseDir(baseDir);
        zip.Extract();
    }

    void ExpectPayloadIn(const TempFolder& folder) {
        for (const auto& [name, content] : archive.entries) EXPECT_EQ(content, ReadFile(folder / name)) << name;
    }

    TempFolder work, engineFolder, target;
    SampleArchive archive;
    std::vector<std::string> boxes;
    std::vector<bool> hourglassChanges;
    int callbacks = 0;
    std::function<void()> duringCallback;
};

TEST_F(ZipMasterTest, ExtractsEveryEntryByteForByteWithoutABox) {
    TZipMaster zip(nullptr);
    Install(zip, engineFolder.Path(), target.Path());
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    ExpectPayloadIn(target);
    EXPECT_EQ(3, zip.Count());
    EXPECT_EQ((std::vector<bool>{true, false}), hourglassChanges);  // around the directory read
    const TZipOutcome& o = zip.Outcome();
    EXPECT_TRUE(o.ran);
    EXPECT_TRUE(o.succeeded);
    EXPECT_EQ(3, o.entriesTotal);
    EXPECT_EQ(3, o.filesWritten);
    EXPECT_EQ(0, o.entriesFailed);
    EXPECT_GT(callbacks, 3);  // the application breathes at every engine event
}

TEST_F(ZipMasterTest, InfoZipArchiveWithFoldersLandsFlat) {
    TZipMaster zip(nullptr);
    zip.SetDLLDirectory(engineFolder.Path());
    zip.SetZipFileName(ProgramFolder() + "\\infozip.zip");
    zip.SetExtrBaseDir(target.Path());
    zip.Extract();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(zip.Outcome().succeeded) << zip.Outcome().firstError;
    EXPECT_EQ((std::vector<std::string>{"UnzDllApi.h", "ZipNames.cpp", "ZipWriter.cpp"}), target.Files());
    const std::string source = BVT_SOURCE_DIR_WIN;
    EXPECT_EQ(ReadFile(source + "/engines/zipcore/ZipNames.cpp"), ReadFile(target / "ZipNames.cpp"));
    EXPECT_EQ(ReadFile(source + "/engines/UnzDllApi.h"), ReadFile(target / "UnzDllApi.h"));
}

TEST_F(ZipMasterTest, TrailingBackslashLeavesDLLDirectoryButNotExtrBaseDir) {
    TZipMaster zip(nullptr);
    Install(zip, engineFolder.Path() + "\\", target.Path() + "\\");
    EXPECT_EQ(engineFolder.Path(), zip.DLLDirectory());
    EXPECT_EQ(target.Path() + "\\", zip.ExtrBaseDir());
    EXPECT_EQ(engineFolder.Path() + "\\UNZDLL.DLL", zip.EnginePath());
    EXPECT_TRUE(boxes.empty());
    ExpectPayloadIn(target);
    EXPECT_TRUE(zip.Outcome().succeeded);
}

TEST_F(ZipMasterTest, EngineAtADriveRoot) {
    const std::string root = "C:\\unzdll.dll";
    ASSERT_FALSE(Exists(root));
    ASSERT_TRUE(CopyFileA(EngineVariant("real").c_str(), root.c_str(), TRUE));
    TZipMaster zip(nullptr);
    Install(zip, "C:\\", target.Path());
    EXPECT_EQ("C:", zip.DLLDirectory());
    EXPECT_EQ("C:\\UNZDLL.DLL", zip.EnginePath());
    EXPECT_TRUE(boxes.empty());
    ExpectPayloadIn(target);
    EXPECT_TRUE(DeleteFileA(root.c_str())) << "the engine must not stay loaded";
}

TEST_F(ZipMasterTest, EngineIsUnloadedAfterTheExtraction) {
    TZipMaster zip(nullptr);
    Install(zip, engineFolder.Path(), target.Path());
    EXPECT_EQ(nullptr, GetModuleHandleA((engineFolder / "unzdll.dll").c_str()));
    EXPECT_TRUE(DeleteFileA((engineFolder / "unzdll.dll").c_str()));
    EXPECT_TRUE(DeleteFileA(archive.path.c_str())) << "the archive must not stay open";
}

TEST_F(ZipMasterTest, OldEngineIsRefusedWithItsFullPath) {
    TempFolder oldFolder;
    CopyEngine("old", oldFolder.Path());
    TZipMaster zip(nullptr);
    Install(zip, oldFolder.Path(), target.Path());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Old Dll from " + oldFolder.Path() + "\\UNZDLL.DLL", boxes[0]);
    EXPECT_TRUE(target.Files().empty());
    EXPECT_FALSE(zip.Outcome().ran);
    EXPECT_FALSE(zip.Outcome().succeeded);
    EXPECT_TRUE(DeleteFileA((oldFolder / "unzdll.dll").c_str())) << "the old engine must be unloaded";
}

TEST_F(ZipMasterTest, EngineWithoutItsVersionEntryPointIsALoadFailure) {
    TempFolder folder;
    CopyEngine("noversion", folder.Path());
    TZipMaster zip(nullptr);
    Install(zip, folder.Path(), target.Path());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(std::string::npos, boxes[0].find("GetUnzDllVersion")) << boxes[0];
    EXPECT_TRUE(target.Files().empty());
    EXPECT_FALSE(zip.Outcome().succeeded);
}

TEST_F(ZipMasterTest, MissingEngineIsReportedEvenWithOneNextToTheProgram) {
    ASSERT_TRUE(Exists(ProgramFolder() + "\\unzdll.dll"));  // the planted one
    TempFolder empty;
    TZipMaster zip(nullptr);
    Install(zip, empty.Path(), target.Path());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(std::string::npos, boxes[0].find("Unable to load the unzip engine " + empty.Path() + "\\UNZDLL.DLL"))
        << boxes[0];
    EXPECT_TRUE(target.Files().empty());
    EXPECT_EQ(nullptr, GetModuleHandleA("unzdll.dll"));
    EXPECT_FALSE(zip.Outcome().succeeded);
}

TEST_F(ZipMasterTest, DamagedArchiveGivesTwoBoxesAndNothingIsExtracted) {
    std::string bytes = ReadFile(archive.path);
    bytes.resize(bytes.size() - 3);
    WriteFile(archive.path, bytes);
    TZipMaster zip(nullptr);
    Install(zip, engineFolder.Path(), target.Path());
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(0u, boxes[0].find("Cannot read the archive " + archive.path)) << boxes[0];
    EXPECT_EQ("Archive not found: ", boxes[1]);
    EXPECT_EQ("", zip.ZipFileName());
    EXPECT_TRUE(target.Files().empty());
    EXPECT_FALSE(zip.Outcome().succeeded);
}

TEST_F(ZipMasterTest, MissingArchiveIsSilentWhenSetAndOneBoxOnExtract) {
    TZipMaster zip(nullptr);
    zip.SetDLLDirectory(engineFolder.Path());
    zip.SetZipFileName(work / "gone.zip");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(0, zip.Count());
    zip.SetExtrBaseDir(target.Path());
    zip.Extract();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Archive not found: " + work / "gone.zip", boxes[0]);
    EXPECT_TRUE(target.Files().empty());
    EXPECT_FALSE(zip.Outcome().succeeded);
}

TEST_F(ZipMasterTest, WrongDirectoryOffsetWarnsOnceAndExtracts) {
    std::string bytes = ReadFile(archive.path);
    bytes[bytes.size() - 6] ^= 0x01;  // the end record's directory offset
    WriteFile(archive.path, bytes);
    TZipMaster zip(nullptr);
    Install(zip, engineFolder.Path(), target.Path());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(std::string::npos, boxes[0].find("differs from its computed start")) << boxes[0];
    int recorded = 0;  // the component's own warning and the engine's
    for (const std::string& m : zip.Messages()) recorded += m.find("differs from its computed start") != std::string::npos;
    EXPECT_EQ(2, recorded);
    ExpectPayloadIn(target);
    EXPECT_TRUE(zip.Outcome().succeeded);
}

TEST_F(ZipMasterTest, NestedExtractDuringACallbackDoesNothing) {
    TZipMaster zip(nullptr);
    int nested = 0;
    duringCallback = [&] {
        ++nested;
        zip.Extract();
    };
    Install(zip, engineFolder.Path(), target.Path());
    EXPECT_GT(nested, 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(zip.Outcome().succeeded);
    EXPECT_EQ(3, zip.Outcome().filesWritten);
    ExpectPayloadIn(target);
}

TEST_F(ZipMasterTest, AnExceptionInACallbackEndsInOneExtractionFailedBox) {
    TZipMaster zip(nullptr);
    duringCallback = [] { throw std::runtime_error("window handler failed"); };
    Install(zip, engineFolder.Path(), target.Path());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Extraction failed: window handler failed", boxes[0]);
    EXPECT_FALSE(zip.Outcome().succeeded);
    // The run ends at the next entry; what was written stays.
    EXPECT_EQ(1u, target.Files().size());
    EXPECT_EQ(1, zip.Outcome().filesWritten);
}

TEST_F(ZipMasterTest, ABoxThatFailsDoesNotEscapeTheComponent) {
    ZipHost failing;
    failing.messageBox = [](const std::string&) { throw std::runtime_error("no box today"); };
    SetZipHost(failing);
    TZipMaster zip(nullptr);
    zip.SetZipFileName(work / "gone.zip");
    EXPECT_NO_THROW(zip.Extract());
    ASSERT_EQ(1u, zip.Messages().size());
    EXPECT_EQ("Archive not found: " + work / "gone.zip", zip.Messages()[0]);
}

TEST_F(ZipMasterTest, DamagedEntryIsRecordedSilentlyAndTheOutcomeSaysSo) {
    std::string bytes = ReadFile(archive.path);
    bytes[14] ^= 0x5A;  // the first entry's CRC in its local header...
    const std::size_t central = bytes.find("PK\x01\x02");
    bytes[central + 16] ^= 0x5A;  // ...and in the directory
    WriteFile(archive.path, bytes);
    WriteFile(target / "uninstall.exe", "previous");
    TZipMaster zip(nullptr);
    Install(zip, engineFolder.Path(), target.Path());
    EXPECT_TRUE(boxes.empty());
    const TZipOutcome& o = zip.Outcome();
    EXPECT_FALSE(o.succeeded);
    EXPECT_EQ(2, o.filesWritten);
    EXPECT_EQ(1, o.entriesFailed);
    EXPECT_EQ("uninstall.exe: CRC-32 mismatch", o.firstError);
    ASSERT_EQ(1u, o.failures.size());
    EXPECT_EQ("previous", ReadFile(target / "uninstall.exe"));
    EXPECT_EQ((std::vector<std::string>{"Brivanta.exe", "readme.txt", "uninstall.exe"}), target.Files());
}

TEST_F(ZipMasterTest, ExistingFilesAreReplacedAndOthersStay) {
    WriteFile(target / "readme.txt", "an old read-me that is longer than the new one");
    WriteFile(target / "mine.dat", "stays");
    TZipMaster zip(nullptr);
    Install(zip, engineFolder.Path(), target.Path());
    ExpectPayloadIn(target);
    EXPECT_EQ("stays", ReadFile(target / "mine.dat"));
}

TEST_F(ZipMasterTest, WithoutExtrOverWriteExistingFilesAreKeptAndTheOutcomeSaysSo) {
    WriteFile(target / "readme.txt", "keep me");
    TZipMaster zip(nullptr);
    zip.SetExtrOptions(0);
    Install(zip, engineFolder.Path(), target.Path());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ("keep me", ReadFile(target / "readme.txt"));
    EXPECT_EQ(archive.entries[0].second, ReadFile(target / "uninstall.exe"));
    EXPECT_FALSE(zip.Outcome().succeeded);
    EXPECT_EQ("readme.txt: the file exists and is not replaced", zip.Outcome().firstError);
}

TEST_F(ZipMasterTest, ExtrDirNamesIsRefusedAsAFailedExtraction) {
    TZipMaster zip(nullptr);
    zip.SetExtrOptions(ExtrOverWrite | ExtrDirNames);
    Install(zip, engineFolder.Path(), target.Path());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Extraction failed: Recreating stored folders is not supported", boxes[0]);
    EXPECT_TRUE(target.Files().empty());
    EXPECT_FALSE(zip.Outcome().succeeded);
}

TEST_F(ZipMasterTest, ExtrTestVerifiesWithoutWriting) {
    TZipMaster zip(nullptr);
    zip.SetExtrOptions(ExtrOverWrite | ExtrTest);
    Install(zip, engineFolder.Path(), target.Path());
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(target.Files().empty());
    EXPECT_TRUE(zip.Outcome().succeeded);
    EXPECT_EQ(3, zip.Outcome().filesWritten);
}

TEST_F(ZipMasterTest, DestroyingTheComponentLeavesNothingLoaded) {
    {
        TZipMaster zip(nullptr);
        Install(zip, engineFolder.Path(), target.Path());
    }
    EXPECT_EQ(nullptr, GetModuleHandleA("unzdll.dll"));
}

}  // namespace
