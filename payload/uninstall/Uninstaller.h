// Removes one Brivanta installation: exactly the files, registry entries and
// shortcuts that the installer writes, and nothing else.
#pragma once

#include <string>

#include "RemovalReport.h"

namespace bvt {

struct UninstallTarget {
    std::string folder;      // the installation folder, ending with a backslash
    std::string ownImage;    // full path of the running uninstaller
};

// Removes, in this order: the two shortcuts, the document association (only
// while it still opens this folder's Brivanta.exe), the App Paths and
// uninstall keys, the installed-version values, the seven installed files
// and, when that leaves it empty, the folder. Never throws; everything that
// stays is in the report.
RemovalReport Uninstall(const UninstallTarget& target);

// "C:\Apps\Brivanta\" -> "C:\Apps\Brivanta"; a drive's root keeps its separator.
std::string FolderWithoutSeparator(const std::string& folder);

}  // namespace bvt
