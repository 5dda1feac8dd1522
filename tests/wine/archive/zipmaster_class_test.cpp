// TZipMaster's published properties as a window description sets them.
#include <gtest/gtest.h>

#include "TypeInfo.h"
#include "ZipMaster.h"

using namespace bvt;

namespace {

void SetProp(TComponent& c, const char* name, const PropValue& v) {
    const ClassInfo* info = ClassRegistry::Instance().ClassOf(c);
    ASSERT_NE(nullptr, info);
    const PropInfo* p = info->FindProperty(name);
    ASSERT_NE(nullptr, p) << name;
    p->set(c, v);
}

TEST(ZipMasterClass, TheStoredSettingsOfTheMainWindowLoad) {
    RegisterArchiveClasses();
    const ClassInfo* info = ClassRegistry::Instance().Find("TZipMaster");
    ASSERT_NE(nullptr, info);
    std::unique_ptr<TComponent> c(info->create(nullptr));
    auto& zip = dynamic_cast<TZipMaster&>(*c);

    SetProp(zip, "AddCompLevel", PropValue::Integer(9));
    SetProp(zip, "AddOptions", PropValue::Set({}));
    SetProp(zip, "AddStoreSuffixes", PropValue::Set({"assGIF", "assPNG", "assZ", "assZIP", "assZOO", "assARC", "assLZH",
                                                      "assARJ", "assTAZ", "assTGZ", "assLHA", "assRAR", "assACE",
                                                      "assCAB", "assGZ", "assGZIP", "assJAR"}));
    SetProp(zip, "ExtrOptions", PropValue::Set({"ExtrOverWrite"}));
    SetProp(zip, "KeepFreeOnDisk1", PropValue::Integer(0));
    SetProp(zip, "MinUnzDllVers", PropValue::Integer(170));
    SetProp(zip, "MinZipDllVers", PropValue::Integer(170));
    SetProp(zip, "SFXCaption", PropValue::String("Brivanta self-extractor"));
    SetProp(zip, "SFXOptions", PropValue::Set({"SFXCheckSize"}));
    SetProp(zip, "SFXOverWriteMode", PropValue::Enum("OvrConfirm"));
    SetProp(zip, "SFXPath", PropValue::String("ZipSFX.bin"));
    SetProp(zip, "Trace", PropValue::Boolean(false));
    SetProp(zip, "Unattended", PropValue::Boolean(false));
    SetProp(zip, "Verbose", PropValue::Boolean(false));
    SetProp(zip, "VersionInfo", PropValue::String("1.70"));

    EXPECT_EQ(9, zip.AddCompLevel());
    EXPECT_EQ(ExtrOverWrite, zip.ExtrOptions());
    EXPECT_EQ(170, zip.MinUnzDllVers());
    EXPECT_EQ("Brivanta self-extractor", zip.SFXCaption());
    EXPECT_EQ(TOverWriteMode::OvrConfirm, zip.SFXOverWriteMode());
    EXPECT_EQ("ZipSFX.bin", zip.SFXPath());
    EXPECT_EQ("1.70", zip.VersionInfo());
    EXPECT_EQ("", zip.Password());
    EXPECT_EQ("", zip.FSpecArgs());
    EXPECT_EQ("", zip.TempDir());
    EXPECT_FALSE(zip.Unattended());
}

TEST(ZipMasterClass, EngineVersionFloorsBelow170AreIgnored) {
    TZipMaster zip(nullptr);
    for (const std::int64_t v : {169, 0, -5}) {
        zip.SetMinUnzDllVers(v);
        zip.SetMinZipDllVers(v);
        EXPECT_EQ(170, zip.MinUnzDllVers());
        EXPECT_EQ(170, zip.MinZipDllVers());
    }
    zip.SetMinUnzDllVers(180);
    zip.SetMinUnzDllVers(100);
    EXPECT_EQ(180, zip.MinUnzDllVers());
}

TEST(ZipMasterClass, DLLDirectoryDropsOneTrailingBackslash) {
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {{"C:\\Apps\\Brivanta", "C:\\Apps\\Brivanta"},
                 {"C:\\Apps\\Brivanta\\", "C:\\Apps\\Brivanta"},
                 {"C:\\Apps\\Brivanta\\\\", "C:\\Apps\\Brivanta\\"},
                 {"D:\\", "D:"},
                 {"", ""}};
    for (const auto& c : cases) {
        TZipMaster zip(nullptr);
        zip.SetDLLDirectory(c.given);
        EXPECT_EQ(c.stored, zip.DLLDirectory()) << c.given;
    }
}

}  // namespace
