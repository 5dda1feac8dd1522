// The application's registration, the document association, shortcuts and
// the COM helpers, in the test prefix's registry and file system.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "ComFakes.h"
#include "ComObj.h"
#include "RegistrySpy.h"
#include "ShortcutReader.h"
#include "install.h"

namespace bvt {
namespace {

using test::RawString;
using test::RegistryCall;

const std::string kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta.exe";
const std::string kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brivanta";
const std::string kApplication = "SOFTWARE\\Brivanta";
const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string ShellFolderValue(const char* name) {
    return RawString(HKEY_CURRENT_USER, kShellFolders, name).value_or("");
}
std::string StartMenuShortcut() { return ShellFolderValue("Programs") + "\\Brivanta.lnk"; }
std::string DesktopShortcut() { return ShellFolderValue("Desktop") + "\\Brivanta.lnk"; }

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& path : {kAppPaths, kUninstall, kApplication}) test::RawDeleteTree(HKEY_LOCAL_MACHINE, path);
        test::RawDeleteTree(HKEY_CURRENT_USER, kApplication);
        test::RawDeleteTree(HKEY_CLASSES_ROOT, ".bvt");
        test::RawDeleteTree(HKEY_CLASSES_ROOT, "BVT file");
        DeleteFileA(StartMenuShortcut().c_str());
        DeleteFileA(DesktopShortcut().c_str());
    }
    void TearDown() override { EXPECT_EQ(spy.OpenHandles(), 0) << "key handles left open"; }
    test::RegistrySpy spy;
};

TEST_F(RegistrationTest, RegistryEntriesForTheFolderAsGiven) {
    const struct {
        std::string folder, program, uninstaller;
    } cases[] = {
        {"C:\\Apps\\Brivanta", "C:\\Apps\\Brivanta\\Brivanta.exe", "C:\\Apps\\Brivanta\\UNINSTALL.EXE"},
        {"C:\\Apps\\Brivanta\\", "C:\\Apps\\Brivanta\\\\Brivanta.exe", "C:\\Apps\\Brivanta\\\\UNINSTALL.EXE"},
        {"D:\\Program Files\\Brivanta", "D:\\Program Files\\Brivanta\\Brivanta.exe",
         "D:\\Program Files\\Brivanta\\UNINSTALL.EXE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        RegisterApplication(c.folder, false, false, false);
        EXPECT_EQ(RawString(HKEY_LOCAL_MACHINE, kAppPaths, ""), c.program);
        EXPECT_EQ(RawString(HKEY_LOCAL_MACHINE, kAppPaths, "Path"), c.folder);
        EXPECT_EQ(RawString(HKEY_LOCAL_MACHINE, kUninstall, "DisplayName"), "Brivanta");
        EXPECT_EQ(RawString(HKEY_LOCAL_MACHINE, kUninstall, "UninstallString"), c.uninstaller);
        EXPECT_EQ(RawString(HKEY_LOCAL_MACHINE, kApplication, "InstalledVersion"), "3.0 beta 1");
        EXPECT_EQ(RawString(HKEY_CURRENT_USER, kApplication, "InstalledVersion"), "3.0 beta 1");
        // The next run proposes the folder just registered.
        EXPECT_EQ(GetDefaultInstallFolder(), c.folder);
    }
}

TEST_F(RegistrationTest, WritesInOrderAndNothingElseWithAllOptionsCleared) {
    RegisterApplication("C:\\Apps\\Brivanta", false, false, false);
    std::vector<std::string> written;
    for (const auto& c : spy.Calls(RegistryCall::SetValue)) written.push_back(c.name);
    EXPECT_EQ(written, (std::vector<std::string>{"", "Path", "DisplayName", "UninstallString", "InstalledVersion",
                                                 "InstalledVersion"}));
    // Both shell folders were still looked up.
    std::vector<std::string> queried;
    for (const auto& c : spy.Calls(RegistryCall::QueryValue)) queried.push_back(c.name);
    EXPECT_NE(std::find(queried.begin(), queried.end(), "Programs"), queried.end());
    EXPECT_NE(std::find(queried.begin(), queried.end(), "Desktop"), queried.end());
    EXPECT_FALSE(test::KeyExists(HKEY_CLASSES_ROOT, ".bvt"));
    EXPECT_FALSE(test::KeyExists(HKEY_CLASSES_ROOT, "BVT file"));
    EXPECT_FALSE(test::FileExistsAt(StartMenuShortcut()));
    EXPECT_FALSE(test::FileExistsAt(DesktopShortcut()));
    // The uninstall entry holds exactly its two values.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstall.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    EXPECT_EQ(values, 2u);
}

TEST_F(RegistrationTest, DocumentAssociation) {
    RegisterApplication("C:\\Apps\\Brivanta", true, false, false);
    const struct {
        const char* key;
        const char* value;
    } expected[] = {
        {".bvt", "BVT file"},
        {"BVT file", "Brivanta"},
        {"BVT file\\Shell\\Open\\command", "\"C:\\Apps\\Brivanta\\Brivanta.exe\" \"%1\""},
        {"BVT file\\DefaultIcon", "C:\\Apps\\Brivanta\\Brivanta.exe,1"},
    };
    for (const auto& e : expected) EXPECT_EQ(RawString(HKEY_CLASSES_ROOT, e.key, ""), e.value) << e.key;
    // Class keys of the machine: where HKEY_CLASSES_ROOT writes land.
    EXPECT_EQ(RawString(HKEY_LOCAL_MACHINE, "Software\\Classes\\.bvt", ""), "BVT file");
    const auto creates = spy.Calls(RegistryCall::Create);
    ASSERT_EQ(creates.size(), 10u);
    for (size_t i = 6; i < creates.size(); ++i) {
        EXPECT_EQ(creates[i].name, expected[i - 6].key);
        EXPECT_EQ(creates[i].access, REGSAM(KEY_READ | KEY_WRITE));
    }
    EXPECT_FALSE(test::FileExistsAt(StartMenuShortcut()));
}

TEST_F(RegistrationTest, ShortcutsInStartMenuAndOnDesktop) {
    RegisterApplication("C:\\Apps\\Brivanta", false, true, true);
    for (const auto& file : {StartMenuShortcut(), DesktopShortcut()}) {
        SCOPED_TRACE(file);
        const auto fields = test::ReadShortcut(file);
        ASSERT_TRUE(fields);
        EXPECT_EQ(fields->target, "C:\\Apps\\Brivanta\\Brivanta.exe");
        EXPECT_EQ(fields->arguments, "");
        EXPECT_EQ(fields->workingDirectory, "C:\\Apps\\Brivanta\\");
        EXPECT_EQ(fields->description, "Brivanta");
    }
}

TEST_F(RegistrationTest, OnlyTheChosenShortcut) {
    RegisterApplication("C:\\Apps\\Brivanta", false, false, true);
    EXPECT_FALSE(test::FileExistsAt(StartMenuShortcut()));
    EXPECT_TRUE(test::FileExistsAt(DesktopShortcut()));
}

const test::RegistrySpy* lookupSpy = nullptr;
bool desktopLookedUpBeforeFirstShortcut = false;

TEST_F(RegistrationTest, StartMenuFailureStopsTheDesktopShortcut) {
    lookupSpy = &spy;
    desktopLookedUpBeforeFirstShortcut = false;
    test::ComHook hook([](int, void**) {
        for (const auto& c : lookupSpy->Calls(RegistryCall::QueryValue))
            if (c.name == "Desktop") desktopLookedUpBeforeFirstShortcut = true;
        return HRESULT(REGDB_E_CLASSNOTREG);
    });
    try {
        RegisterApplication("C:\\Apps\\Brivanta", true, true, true);
        ADD_FAILURE() << "no exception";
    } catch (const EOleSysError& e) {
        EXPECT_EQ(e.ErrorCode(), HRESULT(REGDB_E_CLASSNOTREG));
    }
    EXPECT_EQ(hook.calls, 1);
    EXPECT_TRUE(desktopLookedUpBeforeFirstShortcut);
    EXPECT_FALSE(test::FileExistsAt(DesktopShortcut()));
    // What came before stays written.
    EXPECT_EQ(RawString(HKEY_LOCAL_MACHINE, kAppPaths, ""), "C:\\Apps\\Brivanta\\Brivanta.exe");
    EXPECT_EQ(RawString(HKEY_CLASSES_ROOT, ".bvt", ""), "BVT file");
}

TEST_F(RegistrationTest, FirstRegistryFailureEndsEverything) {
    spy.fail = [](const RegistryCall& c) {
        return c.kind == RegistryCall::Create && c.name == kAppPaths ? LONG(ERROR_ACCESS_DENIED) : 0;
    };
    try {
        RegisterApplication("C:\\Apps\\Brivanta", true, true, true);
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for ''");
    }
    EXPECT_TRUE(spy.Calls(RegistryCall::SetValue).empty());
    EXPECT_FALSE(test::KeyExists(HKEY_LOCAL_MACHINE, kUninstall));
    EXPECT_FALSE(test::KeyExists(HKEY_CLASSES_ROOT, ".bvt"));
    EXPECT_FALSE(test::FileExistsAt(StartMenuShortcut()));
}

TEST_F(RegistrationTest, AssociationFailureRaisesAndStopsShortcuts) {
    const struct {
        const char* label;
        RegistryCall::Kind kind;
        const char* key;
    } cases[] = {{"create", RegistryCall::Create, "BVT file\\DefaultIcon"}, {"set", RegistryCall::SetValue, ".bvt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SetUp();
        std::string lastKey;
        spy.fail = [&](const RegistryCall& call) {
            if (call.kind == RegistryCall::Create) lastKey = call.name;
            return call.kind == c.kind && lastKey == c.key ? LONG(ERROR_ACCESS_DENIED) : LONG(0);
        };
        try {
            RegisterApplication("C:\\Apps\\Brivanta", true, true, true);
            ADD_FAILURE() << "no exception";
        } catch (const EOleRegistrationError& e) {
            EXPECT_EQ(e.Message(), "Error creating system registry entry");
        }
        spy.fail = nullptr;
        EXPECT_FALSE(test::FileExistsAt(StartMenuShortcut()));
        EXPECT_EQ(spy.OpenHandles(), 0);
    }
}

TEST_F(RegistrationTest, ShellFolderFallbackPutsTheShortcutBelowWindows) {
    const std::string saved = ShellFolderValue("Desktop");
    test::RawDeleteValue(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    const std::string folder = GetWindowsFolder() + "Desktop\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    RegisterApplication("C:\\Apps\\Brivanta", false, false, true);
    const auto fields = test::ReadShortcut(folder + "Brivanta.lnk");
    test::RawWriteString(HKEY_CURRENT_USER, kShellFolders, "Desktop", saved);
    DeleteFileA((folder + "Brivanta.lnk").c_str());
    RemoveDirectoryA(folder.c_str());
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->target, "C:\\Apps\\Brivanta\\Brivanta.exe");
}

// Starts `file` through the shell as the installer's final launch does;
// the program's exit code, or -1 when the shell cannot find it.
int ShellRun(const char* file) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = file;
    info.nShow = SW_HIDE;
    if (!ShellExecuteExA(&info) || !info.hProcess) return -1;
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return int(code);
}

TEST_F(RegistrationTest, ShellFindsTheProgramThroughAppPaths) {
    // Stand-in program: the probe beside this test, which exits with 2 when
    // started without arguments.
    char self[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
    const std::string probe = std::string(self, strrchr(self, '\\') + 1) + "registration_probe.exe";
    CreateDirectoryA("C:\\Apps", nullptr);
    CreateDirectoryA("C:\\Apps\\Brivanta", nullptr);
    ASSERT_TRUE(CopyFileA(probe.c_str(), "C:\\Apps\\Brivanta\\Brivanta.exe", FALSE));
    EXPECT_EQ(ShellRun("Brivanta.exe"), -1) << "found before registration";
    RegisterApplication("C:\\Apps\\Brivanta", false, false, false);
    // Windows also resolves the bare name "Brivanta"; Wine only the name
    // with its extension.
    EXPECT_EQ(ShellRun("Brivanta.exe"), 2);
    DeleteFileA("C:\\Apps\\Brivanta\\Brivanta.exe");
}

TEST(ShortcutTest, WorkingDirectoryIsTheTargetsFolder) {
    const std::string folder = ShellFolderValue("Desktop") + "\\";
    const struct {
        const char* target;
        const char* workingDirectory;
    } cases[] = {
        {"C:\\Apps\\Brivanta\\Brivanta.exe", "C:\\Apps\\Brivanta\\"},
        {"C:\\Brivanta.exe", "C:\\"},
        {"C:\\Apps\\Brivanta\\\\Brivanta.exe", "C:\\Apps\\Brivanta\\\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const std::string file = folder + "WorkDir.lnk";
        CreateShortcut(c.target, "", file, "Brivanta");
        const auto fields = test::ReadShortcut(file);
        DeleteFileA(file.c_str());
        ASSERT_TRUE(fields);
        EXPECT_EQ(fields->workingDirectory, c.workingDirectory);
    }
}

TEST(ShortcutTest, ArgumentsAndDescriptionAreStored) {
    const std::string file = ShellFolderValue("Desktop") + "\\Args.lnk";
    CreateShortcut("C:\\Apps\\Brivanta\\Brivanta.exe", "\"C:\\doc.bvt\"", file, "Some description");
    const auto fields = test::ReadShortcut(file);
    DeleteFileA(file.c_str());
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->arguments, "\"C:\\doc.bvt\"");
    EXPECT_EQ(fields->description, "Some description");
}

TEST(ShortcutTest, MissingFolderGivesNoFileAndNoError) {
    const std::string file = "C:\\No\\Such\\Folder\\Brivanta.lnk";
    EXPECT_NO_THROW(CreateShortcut("C:\\Apps\\Brivanta\\Brivanta.exe", "", file, "Brivanta"));
    EXPECT_FALSE(test::FileExistsAt(file));
}

TEST(ShortcutTest, TwiceOnTheSameThread) {
    const std::string folder = ShellFolderValue("Desktop") + "\\";
    CreateShortcut("C:\\A\\A.exe", "", folder + "One.lnk", "One");
    CreateShortcut("C:\\B\\B.exe", "", folder + "Two.lnk", "Two");
    const auto one = test::ReadShortcut(folder + "One.lnk");
    const auto two = test::ReadShortcut(folder + "Two.lnk");
    DeleteFileA((folder + "One.lnk").c_str());
    DeleteFileA((folder + "Two.lnk").c_str());
    ASSERT_TRUE(one && two);
    EXPECT_EQ(one->target, "C:\\A\\A.exe");
    EXPECT_EQ(two->target, "C:\\B\\B.exe");
}

test::BareObject* bare = nullptr;

TEST(ShortcutTest, ObjectLackingAnInterfaceIsReleased) {
    const IID* offers[] = {nullptr, &IID_IShellLinkA};
    for (const IID* extra : offers) {
        test::BareObject object;
        object.alsoOffers = extra;
        bare = &object;
        test::ComHook hook([](int, void** result) {
            bare->AddRef();
            *result = static_cast<IUnknown*>(bare);
            return S_OK;
        });
        try {
            CreateShortcut("C:\\A\\A.exe", "", "C:\\x.lnk", "x");
            ADD_FAILURE() << "no exception";
        } catch (const EIntfCastError& e) {
            EXPECT_EQ(e.Message(), "Interface not supported");
        }
        EXPECT_EQ(object.references, 1) << (extra ? "with IShellLinkA" : "bare");
        bare = nullptr;
    }
}

TEST(ShortcutTest, FileNameIsConvertedFromTheAnsiCodePage) {
    const std::string folder = ShellFolderValue("Desktop") + "\\";
    const std::string ansiName = "Caf\xE9.lnk";
    wchar_t wide[16] = {};
    ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, ansiName.c_str(), -1, wide, 16), 0);
    CreateShortcut("C:\\A\\A.exe", "", folder + ansiName, "x");
    const std::wstring widePath = std::wstring(folder.begin(), folder.end()) + wide;
    EXPECT_NE(GetFileAttributesW(widePath.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(widePath.c_str());
}

TEST(ComObjTest, OleErrorMessages) {
    const struct {
        HRESULT code;
        const char* expected;  // nullptr: any system text
    } cases[] = {
        {HRESULT(0x8004ABCD), "OLE error 8004abcd"},
        {HRESULT(0xA0001234), "OLE error a0001234"},
        {HRESULT(0x80070005), nullptr},
    };
    for (const auto& c : cases) {
        const EOleSysError error(c.code);
        EXPECT_EQ(error.ErrorCode(), c.code);
        if (c.expected) {
            EXPECT_EQ(error.Message(), c.expected);
        } else {
            EXPECT_FALSE(error.Message().empty());
            EXPECT_EQ(error.Message().find("OLE error"), std::string::npos) << error.Message();
            EXPECT_NE(error.Message().back(), '\n');
        }
    }
}

TEST(ComObjTest, CreateComObjectOfAnUnknownClassRaises) {
    CoInitialize(nullptr);
    const CLSID unknown = {0x6b1d0f4e, 0x2a51, 0x4c3e, {0x9d, 0x11, 0x5e, 0x7a, 0x40, 0x21, 0x33, 0x8f}};
    try {
        CreateComObject(unknown);
        ADD_FAILURE() << "no exception";
    } catch (const EOleSysError& e) {
        EXPECT_EQ(e.ErrorCode(), HRESULT(REGDB_E_CLASSNOTREG));
    }
    EXPECT_TRUE(CreateComObject(CLSID_ShellLink));
}

TEST(ComObjTest, CreateRegKeyWritesNamedAndUnnamedValues) {
    test::RegistrySpy spy;
    CreateRegKey("Software\\BvtCreateRegKey\\Sub", "", "unnamed", HKEY_CURRENT_USER);
    CreateRegKey("Software\\BvtCreateRegKey\\Sub", "Named", "named", HKEY_CURRENT_USER);
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, "Software\\BvtCreateRegKey\\Sub", ""), "unnamed");
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, "Software\\BvtCreateRegKey\\Sub", "Named"), "named");
    spy.fail = [](const RegistryCall& c) { return c.kind == RegistryCall::SetValue ? LONG(ERROR_ACCESS_DENIED) : 0; };
    EXPECT_THROW(CreateRegKey("Software\\BvtCreateRegKey", "", "v", HKEY_CURRENT_USER), EOleRegistrationError);
    EXPECT_EQ(spy.OpenHandles(), 0);
}

}  // namespace
}  // namespace bvt
