// Names and keys of the installed application's registration.
#pragma once

namespace bvt::registration {

constexpr const char* kProductName = "Brivanta";
constexpr const char* kProgramFileName = "Brivanta.exe";
constexpr const char* kUninstallerFileName = "UNINSTALL.EXE";
constexpr const char* kInstalledVersion = "3.0 beta 1";
constexpr const char* kDocumentExtension = ".bvt";
constexpr const char* kFileTypeName = "BVT file";
constexpr int kIconIndex = 1;
constexpr const char* kShortcutFileName = "Brivanta.lnk";
constexpr const char* kProgramsFolder = "Programs";
constexpr const char* kDesktopFolder = "Desktop";

constexpr const char* kAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta";
constexpr const char* kProgramAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brivanta.exe";
constexpr const char* kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brivanta";
constexpr const char* kApplicationKey = "SOFTWARE\\Brivanta";
constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace bvt::registration
