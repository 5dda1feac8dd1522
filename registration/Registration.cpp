// The installed application's registration: App Paths, uninstall entry,
// installed version, document association and shortcuts.
#include <shlobj.h>

#include "ComObj.h"
#include "RegistrationNames.h"
#include "install.h"

namespace bvt {

using namespace registration;

void RegisterFileType(const std::string& extension, const std::string& typeName, const std::string& description,
                      const std::string& programPath, int iconIndex) {
    CreateRegKey(extension, "", typeName, HKEY_CLASSES_ROOT);
    CreateRegKey(typeName, "", description, HKEY_CLASSES_ROOT);
    CreateRegKey(typeName + "\\Shell\\Open\\command", "", "\"" + programPath + "\" \"%1\"", HKEY_CLASSES_ROOT);
    CreateRegKey(typeName + "\\DefaultIcon", "", programPath + "," + std::to_string(iconIndex), HKEY_CLASSES_ROOT);
    // Explorer caches icons and associations: tell it they changed.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void RegisterApplication(const std::string& folder, bool associate, bool startMenu, bool desktop) {
    const std::string prefix = folder + "\\";
    const std::string programPath = prefix + kProgramFileName;
    const std::string uninstallerPath = prefix + kUninstallerFileName;

    WriteRegString(HKEY_LOCAL_MACHINE, kProgramAppPathsKey, "", programPath);
    WriteRegString(HKEY_LOCAL_MACHINE, kProgramAppPathsKey, "Path", folder);
    WriteRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", kProductName);
    WriteRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", uninstallerPath);
    WriteRegString(HKEY_LOCAL_MACHINE, kApplicationKey, "InstalledVersion", kInstalledVersion);
    WriteRegString(HKEY_CURRENT_USER, kApplicationKey, "InstalledVersion", kInstalledVersion);

    if (associate) RegisterFileType(kDocumentExtension, kFileTypeName, kProductName, programPath, kIconIndex);

    // Both folders are looked up before either shortcut is made.
    const std::string programsFolder = GetShellFolder(kProgramsFolder);
    const std::string desktopFolder = GetShellFolder(kDesktopFolder);
    if (startMenu) CreateShortcut(programPath, "", programsFolder + kShortcutFileName, kProductName);
    if (desktop) CreateShortcut(programPath, "", desktopFolder + kShortcutFileName, kProductName);
}

}  // namespace bvt
