// Arbitrary bytes as one encoded block, decoded into a buffer of exactly the
// container's block size: any outcome but a crash or a stray access is fine.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "LZRW1KH.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > bvt::kLzrwMaxBlockInput + 1) return 0;
    static std::vector<std::uint8_t> dest(bvt::kLzrwMaxBlockInput);
    // A heap copy of exactly `size` bytes lets ASan see reads past the block.
    std::vector<std::uint8_t> block(data, data + size);
    try {
        const std::size_t n = bvt::DecompressBlock(block.data(), block.size(), dest.data(), dest.size());
        if (n > dest.size()) __builtin_trap();
    } catch (const bvt::ECorruptBlock&) {
    }
    return 0;
}
