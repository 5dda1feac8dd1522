// Embedded files through the whole chain: the compiler lets TFileSource
// embed its file, the reader restores it, and a failing restore leaves no
// component and no temporary file behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "BinaryDescription.h"
#include "ComponentStreaming.h"
#include "DescriptionCompiler.h"
#include "FileSrc.h"
#include "ProbeClasses.h"
#include "ScratchFolder.h"
#include "StringUtils.h"
#include "TextDescription.h"

namespace bvt {
namespace {

using test::ReadFileBytes;
using test::SampleBytes;
using test::ScratchFolder;

class FileSourceStreaming : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFileStoreClasses();
        test::RegisterProbeClasses();
        std::filesystem::create_directories(scratch.Path() + "in");
        dll = SampleBytes(70000, 1);
        zip = SampleBytes(1000, 2);
        scratch.Write("in/lib.dll", dll);
        scratch.Write("in/payload.zip", zip);
    }

    std::vector<std::uint8_t> CompileForm() {
        return CompileText(R"(object Form1: TProbe
  object fs_zipdll: TFileSource
    Compress = True
    DisplayLabel = 'zipdll'
    Extension = '.dll'
    FileName = 'lib.dll'
    Store = True
  end
  object fs_zip: TFileSource
    FileName = 'payload.zip'
    DisplayLabel = 'zip'
    Store = True
  end
end
)",
                           {scratch.Path() + "nowhere", scratch.Path() + "in"});
    }

    ScratchFolder scratch;
    std::vector<std::uint8_t> dll, zip;
};

TEST_F(FileSourceStreaming, CompiledFilesAreRestoredToTemporaryFilesAndRemovedWithTheWindow) {
    const std::vector<std::uint8_t> binary = CompileForm();
    {
        std::unique_ptr<TComponent> form = ReadComponent(binary.data(), binary.size());
        auto* zipdll = form->Find<TFileSource>("fs_zipdll");
        auto* payload = form->Find<TFileSource>("fs_zip");
        ASSERT_TRUE(zipdll && payload);
        EXPECT_TRUE(zipdll->Compress());
        EXPECT_EQ(zipdll->DisplayLabel(), "zipdll");
        EXPECT_EQ(ExtractFilePath(zipdll->FileName()), scratch.Path());
        EXPECT_EQ(ExtractFileExt(zipdll->FileName()), ".dll");
        EXPECT_EQ(ExtractFileExt(payload->FileName()), ".zip");
        EXPECT_EQ(ReadFileBytes(zipdll->FileName()), dll);
        EXPECT_EQ(ReadFileBytes(payload->FileName()), zip);
        EXPECT_EQ(scratch.Files("~fs").size(), 2u);
    }
    EXPECT_TRUE(scratch.Files("~fs").empty());
}

TEST_F(FileSourceStreaming, ComponentWritesCompressBeforeFileDataAndRecordsNoFileName) {
    const std::vector<std::uint8_t> binary = CompileForm();
    const DescObject root = DecodeDescription(binary.data(), binary.size());
    std::vector<std::string> names;
    for (const DescProperty& p : root.children.at(0).properties) names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Compress", "DisplayLabel", "Extension", "Store", "FileData"}));
    const DescValue& fileData = root.children.at(0).properties.back().value;
    ASSERT_GE(fileData.bytes.size(), 10u);
    EXPECT_EQ(std::string(fileData.bytes.begin(), fileData.bytes.begin() + 6), "PMCS10");
    EXPECT_LT(fileData.bytes.size(), dll.size());
    // Stored form: the size, then the bytes.
    const DescValue& stored = root.children.at(1).properties.back().value;
    EXPECT_EQ(stored.bytes.size(), 4 + zip.size());
    EXPECT_EQ(std::vector<std::uint8_t>(stored.bytes.begin() + 4, stored.bytes.end()), zip);
}

TEST_F(FileSourceStreaming, RecordedFileNameKeepsItsTextAsWritten) {
    const std::vector<std::uint8_t> binary =
        CompileText("object Form1: TProbe\n object fs_x: TFileSource\n  FileName = 'lib.dll'\n  Store = False\n end\nend\n",
                    {scratch.Path() + "in"});
    const DescObject root = DecodeDescription(binary.data(), binary.size());
    const std::vector<DescProperty> expected = {
        {"Compress", DescValue::OfBoolean(false), 0},    {"DisplayLabel", DescValue::OfString(""), 0},
        {"Extension", DescValue::OfString(".dll"), 0},   {"FileName", DescValue::OfString("lib.dll"), 0},
        {"Store", DescValue::OfBoolean(false), 0},
    };
    EXPECT_EQ(root.children.at(0).properties, expected);
}

TEST_F(FileSourceStreaming, MissingFileIsACompileErrorWithLineAndComponent) {
    try {
        CompileText("object Form1: TProbe\n\n object fs_x: TFileSource\n  FileName = 'none.dll'\n  Store = True\n end\nend\n",
                    {scratch.Path() + "in"});
        FAIL();
    } catch (const EDescriptionError& e) {
        EXPECT_EQ(e.Message(), "Line 3: Form1.fs_x: fs_x cannot store file: " + scratch.Path() + "in/none.dll (file is missing)");
    }
}

TEST_F(FileSourceStreaming, RawDataFilesAreLookedForInTheSearchPathsInOrder) {
    std::filesystem::create_directories(scratch.Path() + "first");
    scratch.Write("first/payload.zip", {9, 9});
    const std::vector<std::uint8_t> binary =
        CompileText("object Form1: TForm1\n Data = @'payload.zip'\nend\n", {scratch.Path() + "first", scratch.Path() + "in"});
    const DescObject root = DecodeDescription(binary.data(), binary.size());
    EXPECT_EQ(root.properties.at(0).value.bytes, (std::vector<std::uint8_t>{9, 9}));
}

struct RestoreFailure {
    const char* name;
    std::vector<std::uint8_t> fileData;
    const char* message;
};

TEST_F(FileSourceStreaming, RestoreErrorsReachTheCallerUnchangedAndLeaveNothing) {
    const std::vector<RestoreFailure> cases = {
        {"wrong signature", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0}, "Wrong file type"},
        {"container cut short", {'P', 'M', 'C', 'S', '1', '0', 20, 0, 0, 0, 5, 0}, "Stream read error"},
    };
    for (const RestoreFailure& c : cases) {
        DescObject form{"TProbe", "Form1", {}, {}, 0};
        form.children.push_back(DescObject{"TFileSource", "fs_ok", {{"Store", DescValue::OfBoolean(true), 0},
                                                                    {"FileData", DescValue::OfBinary({1, 0, 0, 0, 'x'}), 0}}, {}, 0});
        form.children.push_back(DescObject{"TFileSource", "fs_bad", {{"Compress", DescValue::OfBoolean(true), 0},
                                                                     {"FileData", DescValue::OfBinary(c.fileData), 0}}, {}, 0});
        const std::vector<std::uint8_t> binary = EncodeDescription(form);
        test::TProbe root(nullptr);
        try {
            ReadRootComponent(root, binary.data(), binary.size());
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << c.name;
            EXPECT_EQ(dynamic_cast<const EDescriptionError*>(&e), nullptr) << c.name;
        }
        EXPECT_EQ(root.ComponentCount(), 0u) << c.name;
        EXPECT_TRUE(scratch.Files("~fs").empty()) << c.name;
    }
}

}  // namespace
}  // namespace bvt
