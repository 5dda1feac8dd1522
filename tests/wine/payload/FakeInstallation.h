// Lays out a Brivanta installation the way the installer leaves it: the
// seven files, the registry values and keys, the association and both
// shortcuts, written here directly with the Win32 API (independent of the
// installer's own code).
#pragma once

#include <windows.h>

#include <string>

namespace payloadtest {

extern const char* const kInstalledFiles[7];

constexpr char kAppPathsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta.exe";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brivanta";
constexpr char kApplicationKey[] = "SOFTWARE\\Brivanta";
constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct InstallOptions {
    bool associate = true;
    bool startMenu = true;
    bool desktop = true;
};

// folder: the destination as typed (no trailing backslash); uninstaller: the
// built uninstall.exe to copy in.
void CreateFakeInstallation(const std::string& folder, const std::string& uninstaller,
                            const InstallOptions& options = {});

// Removes every trace of an installation (keys, values, shortcuts), so that
// each test starts from a clean registry.
void ResetRegistration();

// The "Shell Folders" value with a trailing backslash, or the Windows folder
// plus the name, as the installer finds it.
std::string ShellFolder(const std::string& name);

void SetString(HKEY root, const std::string& key, const std::string& name, const std::string& value);
bool KeyExists(HKEY root, const std::string& key);
bool ValueExists(HKEY root, const std::string& key, const std::string& name);
std::string ReadString(HKEY root, const std::string& key, const std::string& name);
void DeleteTree(HKEY root, const std::string& key);
void CreateShortcutFile(const std::string& target, const std::string& linkPath);

}  // namespace payloadtest
