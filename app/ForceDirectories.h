// ForceDirectories: creates a folder with all its missing parents.
#pragma once

#include <string>

namespace bvt {

// True when the folder exists afterwards. An empty path raises EInOutError
// "Unable to create directory".
bool ForceDirectories(const std::string& path);
bool DirectoryExists(const std::string& path);

}  // namespace bvt
