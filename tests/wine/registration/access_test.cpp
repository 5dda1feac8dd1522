// The access fallback against real key security: keys whose DACL grants
// read and write but not full control, and keys that may only be read.
// Key security is not saved with the registry, so each test sets it and
// runs the code in the same process.
#include <gtest/gtest.h>

#include "RegistrySpy.h"
#include "bvtregistry.h"
#include "install.h"

namespace bvt {
namespace {

using test::RegistryCall;

const std::string kBase = "Software\\BvtAccessTest";

class AccessTest : public ::testing::Test {
protected:
    // A fresh key per test, restricted to `rights` for everyone.
    std::string RestrictedKey(const std::string& leaf, REGSAM rights, const char* storedValue = nullptr) {
        const std::string path = kBase + "\\" + leaf;
        test::RawWriteString(HKEY_CURRENT_USER, path, "Stored", storedValue ? storedValue : "old");
        test::RestrictKey(HKEY_CURRENT_USER, path, rights);
        return path;
    }
    void TearDown() override { EXPECT_EQ(spy.OpenHandles(), 0) << "key handles left open"; }
    test::RegistrySpy spy;
};

TEST_F(AccessTest, SystemRefusesFullAccessToAReadWriteKey) {
    const std::string path = RestrictedKey("Probe", KEY_READ | KEY_WRITE);
    const struct {
        REGSAM access;
        LONG expected;
    } cases[] = {
        {KEY_ALL_ACCESS, ERROR_ACCESS_DENIED}, {KEY_READ | KEY_WRITE, ERROR_SUCCESS}, {KEY_READ, ERROR_SUCCESS}};
    for (const auto& c : cases) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, c.access, &key), c.expected)
            << std::hex << c.access;
        if (key) RegCloseKey(key);
    }
}

TEST_F(AccessTest, OpenKeyFallsBackToReadWrite) {
    const struct {
        const char* leaf;
        bool canCreate;
        RegistryCall::Kind kind;
    } cases[] = {{"ForCreate", true, RegistryCall::Create}, {"ForOpen", false, RegistryCall::Open}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.leaf);
        const std::string path = RestrictedKey(c.leaf, KEY_READ | KEY_WRITE);
        spy.calls.clear();
        {
            TRegistry2000 registry;
            ASSERT_TRUE(registry.OpenKey(path, c.canCreate));
            EXPECT_EQ(registry.CurrentPath(), path);
            registry.WriteString("Written", "new");
            EXPECT_EQ(registry.ReadString("Stored"), "old");
        }
        const auto attempts = spy.Calls(c.kind);
        ASSERT_EQ(attempts.size(), 2u);
        EXPECT_EQ(attempts[0].access, REGSAM(KEY_ALL_ACCESS));
        EXPECT_EQ(attempts[0].result, ERROR_ACCESS_DENIED);
        EXPECT_EQ(attempts[1].access, REGSAM(KEY_READ | KEY_WRITE));
        EXPECT_EQ(attempts[1].result, ERROR_SUCCESS);
        EXPECT_EQ(test::RawString(HKEY_CURRENT_USER, path, "Written"), "new");
    }
}

TEST_F(AccessTest, OneShotRoutinesOnAReadWriteKey) {
    const std::string path = RestrictedKey("Routines", KEY_READ | KEY_WRITE, "stored");
    WriteRegString(HKEY_CURRENT_USER, path, "InstalledVersion", "3.0 beta 1");
    EXPECT_EQ(test::RawString(HKEY_CURRENT_USER, path, "InstalledVersion"), "3.0 beta 1");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, path, "Stored"), "stored");
}

TEST_F(AccessTest, ReadOnlyKeyRefusesWritesAndReadsAsEmpty) {
    const std::string path = RestrictedKey("ReadOnly", KEY_READ, "stored");
    try {
        WriteRegString(HKEY_CURRENT_USER, path, "X", "v");
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'X'");
    }
    EXPECT_FALSE(test::RawString(HKEY_CURRENT_USER, path, "X"));
    // Reads ask for write access too, so the stored value is not seen.
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, path, "Stored"), "");
    EXPECT_EQ(test::RawString(HKEY_CURRENT_USER, path, "Stored"), "stored");
    for (const auto& c : spy.calls) {
        if (c.kind == RegistryCall::Create || c.kind == RegistryCall::Open) {
            EXPECT_EQ(c.result, ERROR_ACCESS_DENIED);
        }
    }
    EXPECT_EQ(spy.Calls(RegistryCall::Create).size() + spy.Calls(RegistryCall::Open).size(), 4u);
}

}  // namespace
}  // namespace bvt
