#include "Crc32.h"

#include <array>

namespace bvt {

static const std::array<std::uint32_t, 256>& Table() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    return table;
}

std::uint32_t Crc32(std::uint32_t crc, const void* data, std::size_t size) {
    const auto& table = Table();
    const auto* p = static_cast<const std::uint8_t*>(data);
    crc = ~crc;
    while (size--) crc = table[(crc ^ *p++) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

}  // namespace bvt
