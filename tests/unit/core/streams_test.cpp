// Platform core: streams, components, string helpers.
#include <gtest/gtest.h>

#include "Component.h"
#include "Crc32.h"
#include "Exceptions.h"
#include "StringUtils.h"
#include "Streams.h"

using namespace bvt;

TEST(Streams, ExactReadsAndWritesFailWithTheStreamMessages) {
    TMemoryStream m;
    m.WriteInt32(-2);
    m.WriteBuffer("abc", 3);
    EXPECT_EQ(m.Bytes(), (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'}));
    m.SetPosition(0);
    EXPECT_EQ(m.ReadInt32(), -2);
    char buf[4];
    try {
        m.ReadBuffer(buf, 4);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    TReadOnlyMemoryStream ro("xy", 2);
    try {
        ro.WriteBuffer("z", 1);
        FAIL();
    } catch (const EWriteError& e) {
        EXPECT_STREQ(e.what(), "Stream write error");
    }
}

TEST(Streams, ViewReachesOnlyItsWindow) {
    TMemoryStream m(std::vector<std::uint8_t>{'0', '1', '2', '3', '4', '5'});
    TStreamView v(m, 2, 3);
    EXPECT_EQ(v.Size(), 3);
    char buf[8] = {};
    EXPECT_EQ(v.Read(buf, 8), 3u);
    EXPECT_STREQ(buf, "234");
    EXPECT_EQ(v.Read(buf, 8), 0u);
    v.SetPosition(1);
    TMemoryStream out;
    out.CopyFrom(v, 2);
    EXPECT_EQ(out.Bytes(), (std::vector<std::uint8_t>{'3', '4'}));
    v.SetPosition(2);
    EXPECT_THROW(out.CopyFrom(v, 2), EReadError);
    EXPECT_THROW(v.Seek(-1, SeekOrigin::Begin), EStreamError);
}

TEST(Component, OwnerDestroysOwnedComponentsAndFindsThemByName) {
    static int destroyed = 0;
    struct Probe : TComponent {
        using TComponent::TComponent;
        ~Probe() override { ++destroyed; }
    };
    destroyed = 0;
    auto* owner = new TComponent(nullptr);
    auto* a = new Probe(owner);
    a->SetName("Alpha");
    auto* b = new Probe(owner);
    delete b;  // an owned component destroyed early unlinks itself
    EXPECT_EQ(owner->ComponentCount(), 1u);
    EXPECT_EQ(owner->Find<Probe>("ALPHA"), a);
    delete owner;
    EXPECT_EQ(destroyed, 2);
}

TEST(StringUtils, FilePartsFollowTheLastDelimiter) {
    struct Case { const char* path; const char* ext; const char* folder; };
    const Case cases[] = {
        {"C:\\a\\b.dll", ".dll", "C:\\a\\"},
        {"C:\\a.b\\c", "", "C:\\a.b\\"},
        {"x.tar.gz", ".gz", ""},
        {"C:.x", ".x", "C:"},
        {"noext", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
        EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
    }
    EXPECT_TRUE(SameText("Unzdll.DLL", "UNZDLL.dll"));
}

TEST(Crc32, MatchesTheStandardCheckValue) {
    EXPECT_EQ(Crc32(0, "123456789", 9), 0xCBF43926u);
    EXPECT_EQ(Crc32(Crc32(0, "1234", 4), "56789", 5), 0xCBF43926u);
}
