// Window descriptions linked into the program as RCDATA resources, read
// back through ReadComponentResource under Windows: properties, nesting and
// embedded files restored to the Windows temporary folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ComponentStreaming.h"
#include "FileSrc.h"
#include "FileStream.h"
#include "TypeInfo.h"

namespace bvt {
namespace {

class TWineForm : public TComponent {
public:
    using TComponent::TComponent;
    std::string caption;
    std::int64_t left = 0;
    static int created;
    void Loaded() override { ++created; }
};
int TWineForm::created = 0;

void Register() {
    RegisterFileStoreClasses();
    RegisterClass<TWineForm>("TWineForm", "TComponent")
        .String("Caption", [](TWineForm& c) { return c.caption; }, [](TWineForm& c, const std::string& v) { c.caption = v; })
        .Integer("Left", [](TWineForm& c) { return c.left; }, [](TWineForm& c, std::int64_t v) { c.left = v; });
}

std::vector<std::uint8_t> Resource(const char* name) {
    HRSRC info = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));
    if (!info) return {};
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, info)));
    return std::vector<std::uint8_t>(data, data + SizeofResource(nullptr, info));
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
    file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

std::string TempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, n);
}

class ResourceReader : public ::testing::Test {
protected:
    void SetUp() override {
        Register();
        TWineForm::created = 0;
    }
};

TEST_F(ResourceReader, ReadsTheFormAndRestoresEmbeddedFilesToTheTempFolder) {
    const std::vector<std::uint8_t> payload = Resource("PAYLOAD");
    ASSERT_GT(payload.size(), 1000u);
    std::string stored, packed;
    {
        TWineForm form(nullptr);
        ReadComponentResource(form, "PROBE_FORM");
        EXPECT_EQ(form.Name(), "ProbeForm");
        EXPECT_EQ(form.caption, "Streaming 'test'");
        EXPECT_EQ(form.left, 192);
        ASSERT_EQ(form.ComponentCount(), 3u);
        EXPECT_EQ(form.Find<TWineForm>("inner")->caption, "nested");
        EXPECT_EQ(TWineForm::created, 2);  // Loaded ran for the nested form and the root
        auto* fsStored = form.Find<TFileSource>("fs_stored");
        auto* fsPacked = form.Find<TFileSource>("fs_packed");
        ASSERT_TRUE(fsStored && fsPacked);
        stored = fsStored->FileName();
        packed = fsPacked->FileName();
        const std::string temp = TempFolder();
        EXPECT_EQ(stored.rfind(temp + "~fs", 0), 0u) << stored << " not in " << temp;
        EXPECT_EQ(stored.substr(stored.size() - 4), ".txt");
        EXPECT_EQ(packed.substr(packed.size() - 4), ".dat");
        EXPECT_EQ(FileBytes(stored), payload);
        EXPECT_EQ(FileBytes(packed), payload);
    }
    EXPECT_FALSE(FileExists(stored));
    EXPECT_FALSE(FileExists(packed));
}

TEST_F(ResourceReader, MissingResourceIsNamed) {
    TWineForm form(nullptr);
    try {
        ReadComponentResource(form, "NO_SUCH_FORM");
        FAIL();
    } catch (const EDescriptionError& e) {
        EXPECT_EQ(e.Message(), "Resource NO_SUCH_FORM not found");
    }
}

TEST_F(ResourceReader, DamagedResourceFailsBeforeAnyComponentExists) {
    TWineForm form(nullptr);
    try {
        ReadComponentResource(form, "DAMAGED_FORM");
        FAIL();
    } catch (const EDescriptionError& e) {
        EXPECT_EQ(e.Message(), "Window description is damaged (checksum mismatch)");
    }
    EXPECT_EQ(form.ComponentCount(), 0u);
    EXPECT_EQ(TWineForm::created, 0);
}

}  // namespace
}  // namespace bvt
