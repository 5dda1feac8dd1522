// Compress then decompress arbitrary input: the block must equal the
// step-by-step reference encoder's, decode to the input and obey the length
// rules (compressed <= n, copied = n + 1).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "../unit/filestore/ReferenceEncoder.h"
#include "LZRW1KH.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > bvt::kLzrwMaxBlockInput) return 0;
    std::vector<std::uint8_t> input(data, data + size);
    std::vector<std::uint8_t> encoded(size + bvt::kLzrwDestSlack);
    const std::size_t length = bvt::CompressBlock(input.data(), encoded.data(), static_cast<std::uint16_t>(size));
    if (length == 0) __builtin_trap();
    if (encoded[0] == bvt::kLzrwCopiedFlag ? length != size + 1 : length > size) __builtin_trap();
    if (size <= 5 && encoded[0] != bvt::kLzrwCopiedFlag) __builtin_trap();

    std::vector<std::uint8_t> block(encoded.begin(), encoded.begin() + static_cast<std::ptrdiff_t>(length));
    if (block != bvt::test::ReferenceCompress(input)) __builtin_trap();
    std::vector<std::uint8_t> decoded(size);
    const std::size_t n = bvt::DecompressBlock(block.data(), block.size(), decoded.data(), decoded.size());
    if (n != size || (size && std::memcmp(decoded.data(), input.data(), size) != 0)) __builtin_trap();
    return 0;
}
