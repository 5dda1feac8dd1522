// Delivers one entry's uncompressed bytes in pieces. The call that delivers
// the last bytes also delivers the verdict on them (CRC-32 and both sizes),
// so no caller can use the data without being told whether it is sound.
// The inflater never produces more than the declared uncompressed size and
// never reads past the declared compressed size, whatever the data says.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "ZipDirectory.h"

namespace bvt::zip {

enum class ZipVerdict {
    Pending,        // more bytes to come
    Ok,             // all bytes delivered, CRC-32 and sizes match
    CrcMismatch,
    SizeMismatch,   // the data is longer or shorter than declared
    DataError,      // the compressed data is damaged or cannot be read
};

const char* VerdictText(ZipVerdict verdict);

struct ZipChunk {
    std::size_t size = 0;                   // bytes placed in the buffer
    ZipVerdict verdict = ZipVerdict::Pending;
};

class ZipEntryReader {
public:
    // The entry must come from ReadZipDirectory on the same source and be
    // supported (empty `unsupported`).
    ZipEntryReader(const ZipSource& source, const ZipEntry& entry);
    ~ZipEntryReader();
    ZipEntryReader(const ZipEntryReader&) = delete;
    ZipEntryReader& operator=(const ZipEntryReader&) = delete;

    // Fills up to capacity bytes. Verdict stays Pending until the last
    // bytes; once given it is repeated with size 0.
    [[nodiscard]] ZipChunk Read(std::uint8_t* buffer, std::size_t capacity);

private:
    ZipChunk Finish(std::size_t size, ZipVerdict verdict);
    std::size_t Inflate(std::uint8_t* buffer, std::size_t want, ZipVerdict& failure);
    bool Refill();
    ZipVerdict CheckStreamEnd();

    static constexpr std::size_t InputSize = 64 * 1024;

    ZipSource source_;
    const ZipEntry& entry_;
    std::uint64_t inputLeft_;    // compressed bytes not yet read
    std::uint64_t inputAt_;      // archive offset of the next compressed byte
    std::uint64_t outputLeft_;   // uncompressed bytes not yet delivered
    std::uint32_t crc_ = 0;
    bool streamEnded_ = false;
    ZipVerdict verdict_ = ZipVerdict::Pending;
    z_stream z_{};
    bool inflating_ = false;
    std::unique_ptr<std::uint8_t[]> input_;
};

}  // namespace bvt::zip
