// CompressBlock written step by step from the algorithm, without any of the
// tuned shortcuts: the tuned encoder must produce the same bytes. Shared by
// the unit tests and the round-trip fuzzer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

namespace bvt::test {

inline std::vector<std::uint8_t> ReferenceCompress(const std::vector<std::uint8_t>& s) {
    using Bytes = std::vector<std::uint8_t>;
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
