#include "CompressStream.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "LZRW1KH.h"
#include "Streams.h"

namespace bvt {

namespace {

constexpr std::size_t kSignatureSize = 6;
// The longest encoded block: a full block in copied form (flag + 32783 bytes).
constexpr std::size_t kMaxEncodedBlock = kLzrwMaxBlockInput + 1;
constexpr std::int64_t kBlockLengthSize = 4;

}  // namespace

TCompressStream::TCompressStream() : signature_{'P', 'M', 'C', 'S', '1', '0'} {}

void TCompressStream::CompressStream(TStream& source, TStream& dest, std::int32_t count) {
    std::vector<std::uint8_t> readBuffer(kLzrwMaxBlockInput);
    std::vector<std::uint8_t> encodeBuffer(kLzrwMaxBlockInput + kLzrwDestSlack);

    dest.WriteBuffer(signature_, kSignatureSize);
    const std::int64_t totalPosition = dest.Position();
    dest.WriteInt32(0);

    std::int64_t total = 0;
    std::int64_t remaining = count;
    while (remaining > 0) {
        // One read per block, never more than the caller asked for.
        const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(remaining, kLzrwMaxBlockInput));
        const std::size_t got = source.Read(readBuffer.data(), want);
        if (got == 0) throw EReadError();
        const std::uint16_t length =
            CompressBlock(readBuffer.data(), encodeBuffer.data(), static_cast<std::uint16_t>(got));
        dest.WriteInt32(length);
        dest.WriteBuffer(encodeBuffer.data(), length);
        total += length + kBlockLengthSize;
        remaining -= static_cast<std::int64_t>(got);
    }
    if (total > std::numeric_limits<std::int32_t>::max()) throw EWriteError();

    const std::int64_t end = dest.Position();
    dest.SetPosition(totalPosition);
    dest.WriteInt32(static_cast<std::int32_t>(total));
    dest.SetPosition(end);
}

void TCompressStream::ExpandStream(TStream& source, TStream& dest) {
    std::uint8_t signature[kSignatureSize];
    source.ReadBuffer(signature, kSignatureSize);
    if (std::memcmp(signature, signature_, kSignatureSize) != 0) throw Exception("Wrong file type");

    const std::int32_t total = source.ReadInt32();
    if (total < 0) throw ECorruptData();

    std::vector<std::uint8_t> blockBuffer(kMaxEncodedBlock);
    std::vector<std::uint8_t> decodeBuffer(kLzrwMaxBlockInput);
    std::int64_t remaining = total;
    while (remaining > 0) {
        // Every block is a length and at least one encoded byte, and must end
        // within the total.
        if (remaining < kBlockLengthSize + 1) throw ECorruptData();
        const std::int32_t length = source.ReadInt32();
        if (length < 1 || static_cast<std::size_t>(length) > kMaxEncodedBlock ||
            length + kBlockLengthSize > remaining)
            throw ECorruptData();
        source.ReadBuffer(blockBuffer.data(), static_cast<std::size_t>(length));
        std::size_t decoded = 0;
        try {
            decoded = DecompressBlock(blockBuffer.data(), static_cast<std::size_t>(length), decodeBuffer.data(),
                                      decodeBuffer.size());
        } catch (const ECorruptBlock&) {
            throw ECorruptData();
        }
        dest.WriteBuffer(decodeBuffer.data(), decoded);
        remaining -= length + kBlockLengthSize;
    }
}

}  // namespace bvt
