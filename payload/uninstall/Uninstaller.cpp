#include "Uninstaller.h"

#include <windows.h>
#include <shlobj.h>

#include "CommandText.h"
#include "RegistryCleanup.h"
#include "StringUtils.h"

namespace bvt {

namespace {

constexpr char kProgramName[] = "Brivanta.exe";
constexpr char kShortcutName[] = "Brivanta.lnk";
constexpr char kAppPathsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta.exe";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brivanta";
constexpr char kApplicationKey[] = "SOFTWARE\\Brivanta";
constexpr char kVersionValue[] = "InstalledVersion";
constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kExtensionKey[] = ".bvt";
constexpr char kFileTypeKey[] = "BVT file";
constexpr char kOpenCommandKey[] = "BVT file\\Shell\\Open\\command";

// The installed files: two libraries copied by the installer, five entries of
// its payload archive.
const char* const kInstalledFiles[] = {"zipdll.dll", "unzdll.dll", "uninstall.exe", "sample.bvt",
                                       "readme.txt", "Brivanta.chm", kProgramName};

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The path with "." and ".." resolved and repeated separators collapsed, so
// that paths written with a doubled backslash compare equal.
std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH) return path;
    return std::string(buffer, length);
}

bool SamePath(const std::string& a, const std::string& b) { return SameText(FullPath(a), FullPath(b)); }

std::string WindowsFolder() {
    char buffer[1025] = {};
    const UINT length = GetWindowsDirectoryA(buffer, 1023);
    std::string folder = length == 0 || length > 1023 ? std::string() : std::string(buffer, length);
    if (folder.size() >= 3) folder += '\\';
    return folder;
}

// The per-user shell folder the installer put its shortcut in: the "Shell
// Folders" value, or the Windows folder plus the name when it has none.
std::string ShellFolder(const std::string& name) {
    std::string folder;
    ReadRegistryText(HKEY_CURRENT_USER, kShellFoldersKey, name, folder);
    if (folder.empty()) return WindowsFolder() + name + "\\";
    return folder + "\\";
}

// True when the folder holds nothing but the one file of this name.
bool FolderHoldsOnly(const std::string& folder, const std::string& name) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool only = true;
    do {
        const std::string found = entry.cFileName;
        if (found != "." && found != ".." && !SameText(found, name)) only = false;
    } while (only && FindNextFileA(search, &entry));
    FindClose(search);
    return only;
}

// A file that another program has open for a moment (a virus scanner, the
// shell reading a fresh shortcut) is tried again a few times before it is
// reported.
void DeleteFileIfPresent(const std::string& path, RemovalReport& report) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    constexpr int kAttempts = 5;
    for (int attempt = 1;; ++attempt) {
        if (DeleteFileA(path.c_str())) return;
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return;
        const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
        if (!busy || attempt == kAttempts) {
            report.Fail(path, error);
            return;
        }
        Sleep(200);
    }
}

void RemoveShortcuts(RemovalReport& report) {
    for (const char* folder : {"Programs", "Desktop"}) DeleteFileIfPresent(ShellFolder(folder) + kShortcutName, report);
}

// The association is removed only while it still opens this installation's
// program: another program (or another installation) may have taken ".bvt"
// over since.
void RemoveAssociation(const std::string& programPath, RemovalReport& report) {
    std::string command;
    if (!ReadRegistryText(HKEY_CLASSES_ROOT, kOpenCommandKey, "", command)) return;
    if (!SamePath(ProgramOfCommand(command), programPath)) return;

    std::string type;
    if (ReadRegistryText(HKEY_CLASSES_ROOT, kExtensionKey, "", type) && type == kFileTypeKey)
        DeleteRegistryValue(HKEY_CLASSES_ROOT, kExtensionKey, "", report);
    DeleteRegistryValue(HKEY_CLASSES_ROOT, kOpenCommandKey, "", report);
    DeleteRegistryKeyIfEmpty(HKEY_CLASSES_ROOT, "BVT file\\Shell\\Open", report);
    DeleteRegistryKeyIfEmpty(HKEY_CLASSES_ROOT, "BVT file\\Shell", report);
    DeleteRegistryValue(HKEY_CLASSES_ROOT, "BVT file\\DefaultIcon", "", report);
    DeleteRegistryValue(HKEY_CLASSES_ROOT, kFileTypeKey, "", report);
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void RemoveRegistration(RemovalReport& report) {
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, kAppPathsKey, report);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, kUninstallKey, report);
    DeleteRegistryValue(HKEY_LOCAL_MACHINE, kApplicationKey, kVersionValue, report);
    DeleteRegistryValue(HKEY_CURRENT_USER, kApplicationKey, kVersionValue, report);
}

// A running program's file cannot be deleted, but it can be renamed: it is
// moved out of the folder into the temporary folder (same volume) and left
// to the system to delete at the next restart. On another volume the rename
// fails; the file itself is then scheduled for removal at restart.
void RemoveOwnImage(const std::string& path, const std::string& folder, RemovalReport& report) {
    char temp[MAX_PATH + 1] = {};
    const DWORD tempLength = GetTempPathA(MAX_PATH, temp);
    if (tempLength != 0 && tempLength < MAX_PATH) {
        const std::string parked = std::string(temp, tempLength) + "~bvtuninstall-" +
                                   std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) +
                                   ".tmp";
        if (MoveFileExA(path.c_str(), parked.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            MoveFileExA(parked.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
            return;
        }
    }
    if (MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
        report.pendingRestart.push_back(path);
        // Queued after the file, so the folder goes too, unless the user's
        // own files keep it.
        if (FolderHoldsOnly(folder, ExtractFileName(path)) &&
            MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
            report.pendingRestart.push_back(folder);
        return;
    }
    report.Fail(path, GetLastError());
}

void RemoveFiles(const UninstallTarget& target, RemovalReport& report) {
    const std::string folder = FolderWithoutSeparator(target.folder);
    for (const char* name : kInstalledFiles) {
        const std::string path = target.folder + name;
        if (Exists(path) && SamePath(path, target.ownImage))
            RemoveOwnImage(path, folder, report);
        else
            DeleteFileIfPresent(path, report);
    }
}

}  // namespace

std::string FolderWithoutSeparator(const std::string& folder) {
    if (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/'))
        return folder.substr(0, folder.size() - 1);
    return folder;
}

RemovalReport Uninstall(const UninstallTarget& target) {
    RemovalReport report;
    RemoveShortcuts(report);
    RemoveAssociation(target.folder + kProgramName, report);
    RemoveRegistration(report);
    RemoveFiles(target, report);
    // Only an empty folder goes: files the user put there stay, and so does
    // the folder. A drive's root is never removed.
    const std::string folder = FolderWithoutSeparator(target.folder);
    if (folder.size() > 3 && Exists(folder)) RemoveDirectoryA(folder.c_str());
    return report;
}

}  // namespace bvt
