#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "Component.h"
#include "FileSrc.h"
#include "FileStream.h"
#include "Streams.h"
#include "TypeInfo.h"
#include "filestore/TestData.h"

namespace bvt::test {
namespace {

int FiveSeconds() { return 5; }

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Each test gets its own temporary folder through $TMPDIR and a clock that
// always reads second 5.
class FileSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/bvt_filestore_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        const char* old = std::getenv("TMPDIR");
        oldTmp_ = old ? old : "";
        hadTmp_ = old != nullptr;
        setenv("TMPDIR", dir_.c_str(), 1);
        SetTempNameClock(&FiveSeconds);
    }
    void TearDown() override {
        SetTempNameClock(nullptr);
        if (hadTmp_)
            setenv("TMPDIR", oldTmp_.c_str(), 1);
        else
            unsetenv("TMPDIR");
        std::system(("rm -rf '" + dir_ + "'").c_str());
    }
    std::string In(const std::string& name) const { return dir_ + "/" + name; }

    // A component restored from `data` as the loader would do it.
    void Restore(TFileSource& fs, const Bytes& data) {
        TMemoryStream stream(data);
        fs.ReadFileData(stream);
    }

    std::string dir_;
    std::string oldTmp_;
    bool hadTmp_ = false;
};

Bytes Embed(TFileSource& fs) {
    TMemoryStream stream;
    fs.WriteFileData(stream);
    return stream.Bytes();
}

TEST_F(FileSourceTest, BothFormsRoundTripThroughATemporaryFile) {
    const Bytes content = Pseudo(70000, 1, 16);
    WriteFile(In("source.dll"), content);
    for (bool compress : {false, true}) {
        SCOPED_TRACE(compress ? "compressed" : "stored");
        TFileSource writer(nullptr);
        writer.SetFileName(In("source.dll"));
        writer.SetStore(true);
        writer.SetCompress(compress);
        const Bytes data = Embed(writer);
        if (compress) {
            EXPECT_EQ(ToHex(Bytes(data.begin(), data.begin() + 6)), "50 4D 43 53 31 30");
            EXPECT_LT(data.size(), content.size());
        } else {
            ASSERT_EQ(data.size(), content.size() + 4);
            EXPECT_EQ(ToHex(Bytes(data.begin(), data.begin() + 4)), "70 11 01 00");
        }

        std::string restored;
        {
            TFileSource reader(nullptr);
            reader.SetExtension(".dll");
            reader.SetCompress(compress);
            Restore(reader, data);
            restored = reader.FileName();
            EXPECT_EQ(restored, In("~fs50.dll"));
            EXPECT_TRUE(reader.OwnsTempFile());
            EXPECT_EQ(ReadWholeFile(restored), content);
        }
        EXPECT_FALSE(FileExists(restored)) << "destroying the component deletes its temporary file";
    }
}

TEST_F(FileSourceTest, EmptyFileInBothForms) {
    WriteFile(In("empty.txt"), {});
    const struct {
        bool compress;
        const char* data;
    } cases[] = {{false, "00 00 00 00"}, {true, "50 4D 43 53 31 30 00 00 00 00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        TFileSource writer(nullptr);
        writer.SetFileName(In("empty.txt"));
        writer.SetCompress(c.compress);
        EXPECT_EQ(ToHex(Embed(writer)), c.data);
        TFileSource reader(nullptr);
        reader.SetCompress(c.compress);
        Restore(reader, Hex(c.data));
        ASSERT_FALSE(reader.FileName().empty());
        EXPECT_TRUE(ReadWholeFile(reader.FileName()).empty());
    }
}

TEST_F(FileSourceTest, TemporaryNames) {
    WriteFile(In("~fs50.bin"), Text("leftover"));
    const struct {
        const char* extension;
        const char* expected;
    } order[] = {
        {".dll", "~fs50.dll"}, {".dll", "~fs51.dll"}, {".zip", "~fs50.zip"},
        {"", "~fs50"},         {".bin", "~fs51.bin"}, {".dll", "~fs52.dll"},
    };
    std::vector<std::unique_ptr<TFileSource>> components;
    for (const auto& o : order) {
        components.push_back(std::make_unique<TFileSource>(nullptr));
        components.back()->SetExtension(o.extension);
        Restore(*components.back(), Hex("00 00 00 00"));
        EXPECT_EQ(components.back()->FileName(), In(o.expected));
    }
    EXPECT_EQ(ReadWholeFile(In("~fs50.bin")), Text("leftover")) << "a leftover is skipped, never overwritten";
    components.clear();
    EXPECT_TRUE(FileExists(In("~fs50.bin"))) << "a leftover is never deleted";
    EXPECT_FALSE(FileExists(In("~fs50.dll")));
}

TEST_F(FileSourceTest, TrailingDelimiterGivesExactlyOne) {
    for (const std::string& folder : {dir_, dir_ + "/"}) {
        SCOPED_TRACE(folder);
        setenv("TMPDIR", folder.c_str(), 1);
        TFileSource fs(nullptr);
        fs.SetExtension(".x");
        Restore(fs, Hex("00 00 00 00"));
        EXPECT_EQ(fs.FileName(), dir_ + "/~fs50.x");
    }
}

TEST_F(FileSourceTest, UnusableTemporaryFolderFailsWithoutLooping) {
    const struct {
        const char* name;
        std::string folder;
    } cases[] = {
        {"missing folder", dir_ + "/missing/"},
        {"a file, not a folder", In("plain")},
        {"longer than 259 characters", "/" + std::string(300, 'd')},
    };
    WriteFile(In("plain"), {});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setenv("TMPDIR", c.folder.c_str(), 1);
        TFileSource fs(nullptr);
        TMemoryStream data(Hex("00 00 00 00"));
        EXPECT_THROW(fs.ReadFileData(data), Exception);
        EXPECT_FALSE(fs.OwnsTempFile());
        EXPECT_EQ(fs.FileName(), "");
    }
}

TEST_F(FileSourceTest, SettingFileNameDeletesOnlyAnOwnedFile) {
    WriteFile(In("external.txt"), Text("keep"));
    TFileSource fs(nullptr);
    fs.SetExtension(".dll");
    Restore(fs, Hex("00 00 00 00"));
    const std::string temp = fs.FileName();
    ASSERT_TRUE(FileExists(temp));

    fs.SetFileName(In("external.txt"));
    EXPECT_FALSE(FileExists(temp));
    EXPECT_FALSE(fs.OwnsTempFile());
    EXPECT_EQ(fs.Extension(), ".txt");

    fs.SetFileName(In("other"));
    EXPECT_TRUE(FileExists(In("external.txt")));
    EXPECT_EQ(fs.Extension(), "");
    {
        TFileSource refers(nullptr);
        refers.SetFileName(In("external.txt"));
    }
    EXPECT_EQ(ReadWholeFile(In("external.txt")), Text("keep"));
}

TEST(FileSource, ExtensionFollowsTheNewName) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\TEMP\\~fs50.dll", ".dll"}, {"archive.tar.gz", ".gz"}, {"C:\\dir.d\\file", ""},
        {"C:file.txt", ".txt"},          {"noext", ""},             {"dir.d:x", ""},
    };
    for (const auto& [name, ext] : cases) {
        TFileSource fs(nullptr);
        fs.SetFileName(name);
        EXPECT_EQ(fs.Extension(), ext) << name;
    }
}

TEST_F(FileSourceTest, FileNameReadsEmptyOnceTheFileIsGone) {
    TFileSource fs(nullptr);
    EXPECT_EQ(fs.FileName(), "");
    Restore(fs, Hex("00 00 00 00"));
    const std::string temp = fs.FileName();
    ASSERT_FALSE(temp.empty());
    ASSERT_EQ(unlink(temp.c_str()), 0);
    EXPECT_EQ(fs.FileName(), "");
}

TEST(FileSource, CompressImpliesStore) {
    TFileSource fs(nullptr);
    EXPECT_FALSE(fs.Compress());
    EXPECT_FALSE(fs.Store());
    fs.SetCompress(true);
    EXPECT_TRUE(fs.Store());
    fs.SetStore(false);
    EXPECT_TRUE(fs.Compress());
    EXPECT_FALSE(fs.Store());
    fs.SetStore(true);
    fs.SetCompress(false);
    EXPECT_TRUE(fs.Store());
}

TEST_F(FileSourceTest, MissingFileIsNamedAndNothingIsWritten) {
    TFileSource fs(nullptr);
    fs.SetName("fs_zip");
    fs.SetFileName(In("gone.zip"));
    fs.SetStore(true);
    TMemoryStream stream;
    try {
        fs.WriteFileData(stream);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "fs_zip cannot store file: " + In("gone.zip") + " (file is missing)");
    }
    EXPECT_EQ(stream.Size(), 0);
}

TEST_F(FileSourceTest, BadDataFailsAndTheTemporaryFileStaysOwned) {
    const struct {
        const char* name;
        bool compress;
        const char* data;
    } cases[] = {
        {"negative size", false, "FF FF FF FF 61"},
        {"size past the data", false, "05 00 00 00 61 62"},
        {"size field cut", false, "05 00"},
        {"wrong signature", true, "50 4D 43 53 31 31 00 00 00 00"},
        {"corrupt container", true, "50 4D 43 53 31 30 05 00 00 00 00 00 00 00 80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string temp;
        {
            TFileSource fs(nullptr);
            fs.SetCompress(c.compress);
            TMemoryStream data(Hex(c.data));
            EXPECT_THROW(fs.ReadFileData(data), Exception);
            EXPECT_TRUE(fs.OwnsTempFile());
            temp = fs.FileName();
            ASSERT_FALSE(temp.empty());
            EXPECT_TRUE(ReadWholeFile(temp).empty()) << "nothing written for a bad size";
        }
        EXPECT_FALSE(FileExists(temp));
    }
}

// Records what DefineProperties declares and runs the reader and writer.
class RecordingFiler : public TFiler {
public:
    void DefineBinaryProperty(const std::string& name, RawReader reader, RawWriter writer, bool hasData) override {
        names.push_back(name);
        this->reader = reader;
        this->writer = writer;
        this->hasData = hasData;
    }
    std::vector<std::string> names;
    RawReader reader;
    RawWriter writer;
    bool hasData = false;
};

TEST_F(FileSourceTest, DefinesFileDataWrittenOnlyWhenStored) {
    WriteFile(In("payload.zip"), Text("zip bytes"));
    TFileSource fs(nullptr);
    fs.SetFileName(In("payload.zip"));
    RecordingFiler notStored;
    fs.DefineProperties(notStored);
    EXPECT_EQ(notStored.names, std::vector<std::string>{"FileData"});
    EXPECT_FALSE(notStored.hasData);

    fs.SetStore(true);
    RecordingFiler filer;
    fs.DefineProperties(filer);
    ASSERT_TRUE(filer.hasData);
    TMemoryStream stream;
    filer.writer(stream);
    EXPECT_EQ(ToHex(stream.Bytes()), "09 00 00 00 " + ToHex(Text("zip bytes")));

    stream.SetPosition(0);
    filer.reader(stream);
    EXPECT_TRUE(fs.OwnsTempFile());
    EXPECT_EQ(ReadWholeFile(fs.FileName()), Text("zip bytes"));
}

TEST_F(FileSourceTest, RegisteredPublishedProperties) {
    RegisterFileStoreClasses();
    const ClassInfo* info = ClassRegistry::Instance().Find("TFileSource");
    ASSERT_NE(info, nullptr);
    std::vector<std::string> names;
    for (const auto& p : info->properties) names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Compress", "DisplayLabel", "Extension", "FileName", "Store"}));

    WriteFile(In("a.txt"), Text("x"));
    std::unique_ptr<TComponent> created(info->create(nullptr));
    auto& fs = dynamic_cast<TFileSource&>(*created);
    const PropInfo* fileName = info->FindProperty("FileName");
    fileName->set(fs, PropValue::String(In("a.txt")));
    EXPECT_EQ(fs.Extension(), ".txt");
    EXPECT_EQ(fileName->get(fs).text, In("a.txt"));
    EXPECT_TRUE(fileName->stored(fs));
    info->FindProperty("Compress")->set(fs, PropValue::Boolean(true));
    EXPECT_TRUE(info->FindProperty("Store")->get(fs).boolean);
    EXPECT_FALSE(fileName->stored(fs));
}

}  // namespace
}  // namespace bvt::test
