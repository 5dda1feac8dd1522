#include "ForceDirectories.h"

#include <windows.h>

#include "Exceptions.h"

namespace bvt {

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) throw EInOutError("Unable to create directory");
    std::string folder = path;
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    if (DirectoryExists(folder)) return true;
    const std::size_t slash = folder.find_last_of("\\/");
    // The parent first, unless this is a drive or the top of a relative path.
    if (slash != std::string::npos && slash > 0) {
        const std::string parent = folder.substr(0, slash);
        if (!(parent.size() == 2 && parent[1] == ':') && !ForceDirectories(parent)) return false;
    }
    return CreateDirectoryA(folder.c_str(), nullptr) || DirectoryExists(folder);
}

}  // namespace bvt
