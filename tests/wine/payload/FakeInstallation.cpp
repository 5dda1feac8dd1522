#include "FakeInstallation.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <stdexcept>
#include <vector>

#include "WineDriver.h"

namespace payloadtest {

const char* const kInstalledFiles[7] = {"zipdll.dll", "unzdll.dll", "uninstall.exe", "sample.bvt",
                                        "readme.txt", "Brivanta.chm", "Brivanta.exe"};

void SetString(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
    HKEY handle = nullptr;
    LONG result = RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                                  &handle, nullptr);
    if (result != ERROR_SUCCESS) throw std::runtime_error("cannot create key " + key);
    result = RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) throw std::runtime_error("cannot set " + key + " " + name);
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

bool ValueExists(HKEY root, const std::string& key, const std::string& name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    const bool found = RegQueryValueExA(handle, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return found;
}

std::string ReadString(HKEY root, const std::string& key, const std::string& name) {
    char buffer[2048] = {};
    DWORD size = sizeof buffer - 1;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return "";
    RegQueryValueExA(handle, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(handle);
    return buffer;
}

void DeleteTree(HKEY root, const std::string& key) {
    RegDeleteTreeA(root, key.c_str());
    RegDeleteKeyA(root, key.c_str());
}

std::string ShellFolder(const std::string& name) {
    const std::string stored = ReadString(HKEY_CURRENT_USER, kShellFoldersKey, name);
    if (!stored.empty()) return stored + "\\";
    char windows[MAX_PATH + 1] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\" + name + "\\";
}

void CreateShortcutFile(const std::string& target, const std::string& linkPath) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (FAILED(result)) throw std::runtime_error("cannot create a shell link");
    link->SetPath(target.c_str());
    link->SetDescription("Brivanta");
    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) {
        std::wstring wide(linkPath.begin(), linkPath.end());
        result = file->Save(wide.c_str(), FALSE);
        file->Release();
    }
    link->Release();
    if (FAILED(result)) throw std::runtime_error("cannot save shortcut " + linkPath);
}

void CreateFakeInstallation(const std::string& folder, const std::string& uninstaller,
                            const InstallOptions& options) {
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    if (!FolderExists(folder)) throw std::runtime_error("cannot create " + folder);
    const std::string prefix = folder + "\\";
    for (const char* name : kInstalledFiles) {
        if (std::string(name) == "uninstall.exe")
            CopyFileOrThrow(uninstaller, prefix + name);
        else
            WriteFile(prefix + name, std::string("installed ") + name);
    }
    const std::string program = prefix + "Brivanta.exe";
    SetString(HKEY_LOCAL_MACHINE, kAppPathsKey, "", program);
    SetString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", folder);
    SetString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", "Brivanta");
    SetString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", prefix + "UNINSTALL.EXE");
    SetString(HKEY_LOCAL_MACHINE, kApplicationKey, "InstalledVersion", "3.0 beta 1");
    SetString(HKEY_CURRENT_USER, kApplicationKey, "InstalledVersion", "3.0 beta 1");
    if (options.associate) {
        SetString(HKEY_CLASSES_ROOT, ".bvt", "", "BVT file");
        SetString(HKEY_CLASSES_ROOT, "BVT file", "", "Brivanta");
        SetString(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Open\\command", "", "\"" + program + "\" \"%1\"");
        SetString(HKEY_CLASSES_ROOT, "BVT file\\DefaultIcon", "", program + ",1");
    }
    if (options.startMenu) CreateShortcutFile(program, ShellFolder("Programs") + "Brivanta.lnk");
    if (options.desktop) CreateShortcutFile(program, ShellFolder("Desktop") + "Brivanta.lnk");
}

void ResetRegistration() {
    DeleteTree(HKEY_LOCAL_MACHINE, kAppPathsKey);
    DeleteTree(HKEY_LOCAL_MACHINE, kUninstallKey);
    DeleteTree(HKEY_LOCAL_MACHINE, kApplicationKey);
    DeleteTree(HKEY_CURRENT_USER, kApplicationKey);
    DeleteTree(HKEY_CLASSES_ROOT, ".bvt");
    DeleteTree(HKEY_CLASSES_ROOT, "BVT file");
    for (const char* folder : {"Programs", "Desktop"}) DeleteFileA((ShellFolder(folder) + "Brivanta.lnk").c_str());
}

}  // namespace payloadtest
