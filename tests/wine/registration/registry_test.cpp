// The registry class and the one-shot routines against the real registry:
// path forms, value types, the access fallback and handle balance.
#include <gtest/gtest.h>

#include "RegistrySpy.h"
#include "bvtregistry.h"
#include "install.h"

namespace bvt {
namespace {

using test::RawRead;
using test::RawString;
using test::RawWrite;
using test::RawWriteString;
using test::RegistryCall;

const std::string kBase = "Software\\BvtRegistryTest";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { test::RawDeleteTree(HKEY_CURRENT_USER, kBase); }
    void TearDown() override { EXPECT_EQ(spy.OpenHandles(), 0) << "key handles left open"; }
    test::RegistrySpy spy;
};

TEST(RegistryPathTest, IsRelative) {
    const struct {
        const char* path;
        bool relative;
    } cases[] = {{"", true}, {"\\", false}, {"\\Software", false}, {"Software", true}, {"Software\\", true},
                 {"/Software", true}};
    for (const auto& c : cases) EXPECT_EQ(TRegistry2000::IsRelative(c.path), c.relative) << c.path;
}

TEST_F(RegistryTest, PathFormsOnAFreshObject) {
    const struct {
        std::string path;
        std::string currentPath;
        std::string createdKey;
    } cases[] = {
        {"\\" + kBase + "\\X", kBase + "\\X", kBase + "\\X"},
        {kBase + "\\X", kBase + "\\X", kBase + "\\X"},
        {kBase + "\\X\\", kBase + "\\X", kBase + "\\X"},
        // Only one trailing backslash goes; the registry tolerates the other.
        {kBase + "\\Y\\\\", kBase + "\\Y\\", kBase + "\\Y"},
        {"\\" + kBase + "\\Z\\", kBase + "\\Z", kBase + "\\Z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        TRegistry2000 registry;
        ASSERT_TRUE(registry.OpenKey(c.path, true));
        EXPECT_EQ(registry.CurrentPath(), c.currentPath);
        EXPECT_NE(registry.CurrentKey(), nullptr);
        registry.WriteString("Probe", c.path);
        EXPECT_EQ(RawString(HKEY_CURRENT_USER, c.createdKey, "Probe"), c.path);
    }
}

TEST_F(RegistryTest, EmptyPathOrBackslashOpensTheRootAndCreatesNothing) {
    for (const std::string path : {"", "\\"}) {
        SCOPED_TRACE(path);
        spy.calls.clear();
        TRegistry2000 registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(registry.OpenKey(path, true));
        EXPECT_EQ(registry.CurrentPath(), "");
        EXPECT_NE(registry.CurrentKey(), nullptr);
        EXPECT_TRUE(spy.Calls(RegistryCall::Create).empty());
        ASSERT_EQ(spy.Calls(RegistryCall::Open).size(), 1u);
        EXPECT_EQ(spy.Calls(RegistryCall::Open)[0].name, "");
        EXPECT_EQ(spy.Calls(RegistryCall::Open)[0].access, REGSAM(KEY_ALL_ACCESS));
        // The handle really is the root: its well-known subkey is visible.
        EXPECT_TRUE(registry.OpenKey("Software", false));
        EXPECT_EQ(registry.CurrentPath(), "\\Software");
    }
}

TEST_F(RegistryTest, RelativeAndAbsolutePathsFromAnOpenKey) {
    TRegistry2000 registry;
    ASSERT_TRUE(registry.OpenKey(kBase + "\\A", true));
    ASSERT_TRUE(registry.OpenKey("B", true));
    EXPECT_EQ(registry.CurrentPath(), kBase + "\\A\\B");
    EXPECT_TRUE(test::KeyExists(HKEY_CURRENT_USER, kBase + "\\A\\B"));
    ASSERT_TRUE(registry.OpenKey("\\" + kBase + "\\B", true));
    EXPECT_EQ(registry.CurrentPath(), kBase + "\\B");
    EXPECT_TRUE(test::KeyExists(HKEY_CURRENT_USER, kBase + "\\B"));
    EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, kBase + "\\A\\B\\" + kBase));
    ASSERT_TRUE(registry.OpenKey("C\\", true));
    EXPECT_EQ(registry.CurrentPath(), kBase + "\\B\\C");
    EXPECT_EQ(spy.OpenHandles(), 1);
}

TEST_F(RegistryTest, FailedOpenChangesNothingAndLeavesNoHandle) {
    TRegistry2000 registry;
    ASSERT_TRUE(registry.OpenKey(kBase + "\\A", true));
    const HKEY before = registry.CurrentKey();
    spy.calls.clear();
    EXPECT_FALSE(registry.OpenKey("Missing", false));
    EXPECT_EQ(registry.CurrentKey(), before);
    EXPECT_EQ(registry.CurrentPath(), kBase + "\\A");
    EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, kBase + "\\A\\Missing"));
    // Both masks were tried, full access first.
    const auto opens = spy.Calls(RegistryCall::Open);
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[0].access, REGSAM(0xF003F));
    EXPECT_EQ(opens[1].access, REGSAM(0x2001F));
    EXPECT_EQ(spy.OpenHandles(), 1);
    registry.WriteString("StillHere", "yes");
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, kBase + "\\A", "StillHere"), "yes");
}

TEST_F(RegistryTest, ChangingTheRootClosesTheKey) {
    TRegistry2000 registry;
    ASSERT_TRUE(registry.OpenKey(kBase, true));
    registry.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_NE(registry.CurrentKey(), nullptr);
    EXPECT_EQ(registry.CurrentPath(), kBase);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(registry.CurrentKey(), nullptr);
    EXPECT_EQ(registry.CurrentPath(), "");
    EXPECT_EQ(registry.RootKey(), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(spy.OpenHandles(), 0);
}

TEST_F(RegistryTest, WriteStringStoresTextAndItsNul) {
    TRegistry2000 registry;
    ASSERT_TRUE(registry.OpenKey(kBase, true));
    for (const std::string text : {"", "C:\\Apps\\Brivanta", "caf\xE9 \"%1\""}) {
        registry.WriteString("V", text);
        const auto raw = RawRead(HKEY_CURRENT_USER, kBase, "V");
        ASSERT_TRUE(raw);
        EXPECT_EQ(raw->type, DWORD(REG_SZ));
        EXPECT_EQ(raw->data, std::string(text.c_str(), text.size() + 1));
        EXPECT_EQ(registry.ReadString("V"), text);
    }
}

TEST_F(RegistryTest, ReadStringByStoredType) {
    const struct {
        const char* label;
        DWORD type;
        std::string data;
        std::string expected;  // or the error message
        bool raises;
    } cases[] = {
        {"sz", REG_SZ, std::string("text\0", 5), "text", false},
        {"sz without NUL", REG_SZ, "bare", "bare", false},
        {"sz cut at NUL", REG_SZ, std::string("ab\0cd\0", 6), "ab", false},
        {"sz empty data", REG_SZ, "", "", false},
        {"expand not expanded", REG_EXPAND_SZ, std::string("%SystemRoot%\\x\0", 15), "%SystemRoot%\\x", false},
        {"dword", REG_DWORD, std::string("\1\0\0\0", 4), "Invalid data type for 'V'", true},
        {"binary", REG_BINARY, "xy", "Invalid data type for 'V'", true},
        {"binary empty", REG_BINARY, "", "", false},
        {"multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5), "Invalid data type for 'V'", true},
    };
    TRegistry2000 registry;
    ASSERT_TRUE(registry.OpenKey(kBase, true));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        RawWrite(HKEY_CURRENT_USER, kBase, "V", c.type, c.data);
        EXPECT_TRUE(registry.ValueExists("V"));
        if (c.raises) {
            try {
                registry.ReadString("V");
                ADD_FAILURE() << "no exception";
            } catch (const ERegistryException& e) {
                EXPECT_EQ(e.Message(), c.expected);
            }
        } else {
            EXPECT_EQ(registry.ReadString("V"), c.expected);
        }
    }
    EXPECT_FALSE(registry.ValueExists("Missing"));
    EXPECT_EQ(registry.ReadString("Missing"), "");
}

TEST_F(RegistryTest, ValueAccessWithoutACurrentKey) {
    TRegistry2000 registry;
    EXPECT_FALSE(registry.ValueExists("X"));
    EXPECT_EQ(registry.ReadString("X"), "");
    try {
        registry.WriteString("X", "v");
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'X'");
    }
}

TEST_F(RegistryTest, FailuresOfTheSystemCallsRaise) {
    TRegistry2000 registry;
    ASSERT_TRUE(registry.OpenKey(kBase, true));
    RawWriteString(HKEY_CURRENT_USER, kBase, "V", "text");
    // Set refused.
    spy.fail = [](const RegistryCall& c) { return c.kind == RegistryCall::SetValue ? LONG(ERROR_ACCESS_DENIED) : 0; };
    try {
        registry.WriteString("V", "other");
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'V'");
    }
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, kBase, "V"), "text");
    // The size query works, the read itself fails.
    int queries = 0;
    spy.fail = [&](const RegistryCall& c) {
        return c.kind == RegistryCall::QueryValue && ++queries == 2 ? LONG(ERROR_MORE_DATA) : 0;
    };
    try {
        registry.ReadString("V");
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to get data for 'V'");
    }
}

TEST_F(RegistryTest, WriteRegStringCreatesKeysAndWritesUnnamedValue) {
    WriteRegString(HKEY_CURRENT_USER, kBase + "\\Deep\\Er", "", "default");
    WriteRegString(HKEY_CURRENT_USER, "\\" + kBase + "\\Deep\\Er\\", "Named", "value");
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, kBase + "\\Deep\\Er", ""), "default");
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, kBase + "\\Deep\\Er", "Named"), "value");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kBase + "\\Deep\\Er", ""), "default");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kBase + "\\Deep\\Er", "Named"), "value");
    // Each call asked for full access first and created with it.
    for (const auto& c : spy.Calls(RegistryCall::Create)) EXPECT_EQ(c.access, REGSAM(KEY_ALL_ACCESS));
    EXPECT_EQ(spy.Calls(RegistryCall::Create).size(), 2u);
}

TEST_F(RegistryTest, ReadRegStringOfMissingKeyOrValueIsEmpty) {
    RawWriteString(HKEY_CURRENT_USER, kBase, "Present", "x");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kBase + "\\NoSuchKey", "Present"), "");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kBase, "NoSuchValue"), "");
    EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, kBase + "\\NoSuchKey"));
    RawWrite(HKEY_CURRENT_USER, kBase, "Number", REG_DWORD, std::string("\7\0\0\0", 4));
    try {
        ReadRegString(HKEY_CURRENT_USER, kBase, "Number");
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Invalid data type for 'Number'");
    }
}

TEST_F(RegistryTest, WriteRegStringThatCannotOpenItsKeyRaisesAfterClosing) {
    spy.fail = [](const RegistryCall& c) { return c.kind == RegistryCall::Create ? LONG(ERROR_ACCESS_DENIED) : 0; };
    for (const std::string name : {"", "Path"}) {
        try {
            WriteRegString(HKEY_LOCAL_MACHINE, kBase, name, "v");
            ADD_FAILURE() << "no exception";
        } catch (const ERegistryException& e) {
            EXPECT_EQ(e.Message(), "Failed to set data for '" + name + "'");
        }
    }
    // Two attempts per call, then no value operation at all.
    EXPECT_EQ(spy.Calls(RegistryCall::Create).size(), 4u);
    EXPECT_TRUE(spy.Calls(RegistryCall::SetValue).empty());
    EXPECT_FALSE(test::KeyExists(HKEY_LOCAL_MACHINE, kBase));
}

}  // namespace
}  // namespace bvt
