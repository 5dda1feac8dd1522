#include "TestData.h"

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace bvt::test {

Bytes Hex(const std::string& text) {
    Bytes out;
    std::string digits;
    for (char c : text)
        if (c != ' ') digits += c;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    return out;
}

std::string ToHex(const Bytes& bytes) {
    std::string out;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i ? " %02X" : "%02X", bytes[i]);
        out += buffer;
    }
    return out;
}

Bytes Repeat(const Bytes& unit, std::size_t times) {
    Bytes out;
    for (std::size_t i = 0; i < times; ++i) out.insert(out.end(), unit.begin(), unit.end());
    return out;
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Pseudo(std::size_t size, std::uint32_t seed, unsigned alphabet) {
    Bytes out(size);
    std::uint32_t state = seed * 2654435761u + 1;
    for (auto& b : out) {
        state = state * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>((state >> 16) % alphabet);
    }
    return out;
}

std::vector<std::string> RealExecutables(std::size_t maxFiles) {
    std::vector<std::string> found;
    for (const char* folder : {"/usr/x86_64-w64-mingw32/lib", "/usr/lib/gcc/x86_64-w64-mingw32/12-posix",
                               "/usr/lib/gcc/x86_64-w64-mingw32/12-win32"}) {
        DIR* dir = opendir(folder);
        if (!dir) continue;
        std::vector<std::string> names;
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dll") == 0) names.push_back(name);
        }
        closedir(dir);
        std::sort(names.begin(), names.end());
        for (const auto& name : names) {
            if (found.size() >= maxFiles) return found;
            const std::string path = std::string(folder) + "/" + name;
            struct stat st;
            if (stat(path.c_str(), &st) == 0 && st.st_size <= 2 * 1024 * 1024) found.push_back(path);
        }
    }
    return found;
}

Bytes ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace bvt::test
