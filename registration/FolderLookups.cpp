// Folder lookups: the Windows folder, the proposed destination folder and
// the per-user shell folders. A value that cannot be read counts as absent.
#include "RegistrationNames.h"
#include "install.h"

namespace bvt {

using namespace registration;

std::string GetWindowsFolder() {
    char buffer[1025] = {};
    const UINT length = GetWindowsDirectoryA(buffer, 1023);
    // A result beyond the size passed means the buffer was too small and
    // holds nothing usable.
    if (length == 0 || length >= 1023) return {};
    std::string folder(buffer);
    if (folder.size() >= 3) folder += '\\';
    return folder;
}

std::string GetDefaultInstallFolder() {
    std::string folder = ReadRegString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path");
    if (!folder.empty()) return folder;
    folder = ReadRegString(HKEY_LOCAL_MACHINE, kProgramAppPathsKey, "Path");
    if (!folder.empty()) return folder;
    return ReadRegString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir") + "\\" + kProductName;
}

std::string GetShellFolder(const std::string& name) {
    std::string folder = ReadRegString(HKEY_CURRENT_USER, kShellFoldersKey, name) + "\\";
    if (folder == "\\") folder = GetWindowsFolder() + name + "\\";
    return folder;
}

}  // namespace bvt
