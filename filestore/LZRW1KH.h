// LZRW1KH block codec: an LZ77 coder with one hash probe per input position,
// 12-bit offsets, 4-bit lengths, separately coded runs of one byte, and items
// grouped under big-endian 16-bit control words. The encoder's output is
// defined to the byte; see docs/formats/lzrw1kh.md.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Exceptions.h"

namespace bvt {

// Raised when the codec's process-wide hash table cannot be obtained. The
// table lives in static storage, so this cannot happen in practice; the class
// exists for callers that report it.
class ELzrw1KHCompressor : public Exception {
public:
    ELzrw1KHCompressor() : Exception("LZRW1KH : no memory for HASH table") {}
    using Exception::Exception;
};

// Raised by DecompressBlock for a block that does not decode within its
// buffers ("Corrupt compressed block").
class ECorruptBlock : public Exception {
public:
    ECorruptBlock() : Exception("Corrupt compressed block") {}
};

constexpr std::uint8_t kLzrwCompressedFlag = 0x40;
constexpr std::uint8_t kLzrwCopiedFlag = 0x80;
// The largest input the container hands to CompressBlock, and so the largest
// decoded block.
constexpr std::size_t kLzrwMaxBlockInput = 32783;
// The encoder may write this many bytes beyond the input size before it
// falls back to a copied block: dest must hold sourceSize + kLzrwDestSlack.
constexpr std::size_t kLzrwDestSlack = 6;

// Encodes sourceSize input bytes into dest, which must hold at least
// sourceSize + 6 bytes. Returns the encoded length: at most sourceSize for a
// compressed block (flag 0x40), sourceSize + 1 for a copied block (0x80).
// Uses the process-wide hash table: one compression at a time per process.
std::uint16_t CompressBlock(const std::uint8_t* source, std::uint8_t* dest, std::uint16_t sourceSize);

// Decodes one encoded block of sourceSize bytes into dest, which has room for
// destCapacity bytes, and returns the number of bytes written. Any flag byte
// other than 0x80 means a compressed block.
//
// Never reads or writes outside its buffers: it reads only source[0 ..
// sourceSize) and writes only dest[0 .. destCapacity). A malformed block (an
// empty block, a compressed block shorter than its flag and control word, an
// item cut off by the block's end, a match reaching before dest, output that
// would pass destCapacity) throws ECorruptBlock; dest may then hold part of
// the output. Shares no state; safe on any thread.
std::size_t DecompressBlock(const std::uint8_t* source, std::size_t sourceSize, std::uint8_t* dest,
                            std::size_t destCapacity);

}  // namespace bvt
