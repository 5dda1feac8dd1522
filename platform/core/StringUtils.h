// Small string helpers with the run-time library's semantics.
#pragma once

#include <string>

namespace bvt {

// Case-insensitive comparison of ASCII letters (identifiers, file names).
bool SameText(const std::string& a, const std::string& b);
std::string UpperCase(std::string s);

// The extension of a file name: from its last dot to its end, dot
// included, provided no path delimiter ('\\', '/' or ':') follows the dot;
// otherwise "".
std::string ExtractFileExt(const std::string& fileName);

// The folder part of a path: up to and including its last '\\', '/' or ':'.
std::string ExtractFilePath(const std::string& path);

// The file part of a path: after its last '\\', '/' or ':'.
std::string ExtractFileName(const std::string& path);

}  // namespace bvt
