// CRC-32 (the ZIP and PNG polynomial 0xEDB88320), incremental.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bvt {

// Continues a CRC: start with crc = 0, feed each piece in order.
std::uint32_t Crc32(std::uint32_t crc, const void* data, std::size_t size);

}  // namespace bvt
