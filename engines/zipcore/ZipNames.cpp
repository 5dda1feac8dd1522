#include "ZipNames.h"

#include "StringUtils.h"

namespace bvt::zip {

std::string BareName(const std::string& storedName) {
    const std::size_t slash = storedName.find_last_of("/\\");
    return slash == std::string::npos ? storedName : storedName.substr(slash + 1);
}

namespace {

bool IsReservedDevice(const std::string& name) {
    // Windows maps these to devices whatever follows the first dot, and
    // ignores trailing spaces before it.
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    stem = UpperCase(stem);
    static const char* const devices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* d : devices)
        if (stem == d) return true;
    if (stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0)) {
        const unsigned char digit = static_cast<unsigned char>(stem[3]);
        // 1-9 and the superscript digits 1, 2, 3 of the ANSI code page.
        return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
    }
    return false;
}

}  // namespace

std::string UnsafeNameReason(const std::string& name) {
    if (name.empty()) return "empty file name";
    if (name == "." || name == "..") return "the name is \".\" or \"..\"";
    if (name.size() > 255) return "file name too long";
    for (const char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return "control character in the name";
        if (c == ':') return "drive or stream colon in the name";
        if (c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*' || c == '/' || c == '\\')
            return "character not allowed in file names";
    }
    if (name.back() == '.' || name.back() == ' ') return "trailing dot or space in the name";
    if (IsReservedDevice(name)) return "reserved device name";
    return {};
}

std::string JoinPath(const std::string& base, const std::string& name) {
    if (base.empty()) return name;
    const char last = base.back();
    if (last == '/' || last == '\\') return base + name;
#ifdef _WIN32
    return base + '\\' + name;
#else
    return base + '/' + name;
#endif
}

}  // namespace bvt::zip
