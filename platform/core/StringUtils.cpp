#include "StringUtils.h"

namespace bvt {

static char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

std::string UpperCase(std::string s) {
    for (char& c : s) c = AsciiUpper(c);
    return s;
}

static std::size_t LastDelimiter(const std::string& path) { return path.find_last_of("\\/:"); }

std::string ExtractFileExt(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos) return {};
    const std::size_t delimiter = LastDelimiter(fileName);
    if (delimiter != std::string::npos && delimiter > dot) return {};
    return fileName.substr(dot);
}

std::string ExtractFilePath(const std::string& path) {
    const std::size_t delimiter = LastDelimiter(path);
    return delimiter == std::string::npos ? std::string() : path.substr(0, delimiter + 1);
}

std::string ExtractFileName(const std::string& path) {
    const std::size_t delimiter = LastDelimiter(path);
    return delimiter == std::string::npos ? path : path.substr(delimiter + 1);
}

}  // namespace bvt
