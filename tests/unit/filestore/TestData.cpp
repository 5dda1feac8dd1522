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

Bytes ReferenceCompress(const Bytes& s) {
    const std::size_t n = s.size();
    std::int16_t table[4096];
    std::fill(std::begin(table), std::end(table), -1);
    Bytes d(n + 6, 0);
    auto at = [&](std::size_t p) -> unsigned { return p < n ? s[p] : 0u; };
    d[0] = 0x40;
    std::size_t x = 0, y = 3, z = 1;
    unsigned bit = 0;
    std::uint16_t command = 0;
    while (x < n && y <= n) {
        if (bit == 16) {
            d[z] = command >> 8;
            d[z + 1] = command & 0xFF;
            z = y;
            y += 2;
            bit = 0;
        }
        std::size_t r = 0;
        while (r < 4095 && x + r < n && s[x + r] == s[x]) ++r;
        if (r >= 16) {
            d[y] = 0;
            d[y + 1] = static_cast<std::uint8_t>((r - 16) >> 8);
            d[y + 2] = static_cast<std::uint8_t>((r - 16) & 0xFF);
            d[y + 3] = s[x];
            y += 4;
            x += r;
            command = static_cast<std::uint16_t>(command * 2 + 1);
        } else {
            const unsigned t = ((at(x) << 4 ^ at(x + 1)) << 4) ^ at(x + 2);
            const unsigned h = (t * 40543u >> 4) & 0x0FFF;
            const int c = table[h];
            table[h] = static_cast<std::int16_t>(x);
            std::size_t m = 0;
            if (c != -1 && static_cast<long>(x) - c < 4096)
                while (m < 18 && x + m < n && s[x + m] == s[c + m]) ++m;
            if (c != -1 && static_cast<long>(x) - c < 4096 && m >= 3) {
                const unsigned v = static_cast<unsigned>((x - c) * 16 + (m - 3));
                d[y] = static_cast<std::uint8_t>(v >> 8);
                d[y + 1] = static_cast<std::uint8_t>(v & 0xFF);
                y += 2;
                x += m;
                command = static_cast<std::uint16_t>(command * 2 + 1);
            } else {
                d[y++] = s[x++];
                command = static_cast<std::uint16_t>(command * 2);
            }
        }
        ++bit;
    }
    command = static_cast<std::uint16_t>(command << (16 - bit));
    d[z] = command >> 8;
    d[z + 1] = command & 0xFF;
    if (y > n) {
        d[0] = 0x80;
        std::copy(s.begin(), s.end(), d.begin() + 1);
        y = n + 1;
    }
    d.resize(y);
    return d;
}

}  // namespace bvt::test
