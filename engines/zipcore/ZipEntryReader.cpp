#include "ZipEntryReader.h"

#include <algorithm>

#include "ZipFormat.h"

namespace bvt::zip {

const char* VerdictText(ZipVerdict verdict) {
    switch (verdict) {
    case ZipVerdict::Pending: return "incomplete";
    case ZipVerdict::Ok: return "ok";
    case ZipVerdict::CrcMismatch: return "CRC-32 mismatch";
    case ZipVerdict::SizeMismatch: return "size differs from the declared size";
    case ZipVerdict::DataError: return "compressed data damaged";
    }
    return "unknown";
}

ZipEntryReader::ZipEntryReader(const ZipSource& source, const ZipEntry& entry)
    : source_(source), entry_(entry), inputLeft_(entry.compressedSize), inputAt_(entry.dataOffset),
      outputLeft_(entry.uncompressedSize), input_(new std::uint8_t[InputSize]) {
    if (!entry.unsupported.empty()) throw EZipError(entry.name + ": " + entry.unsupported);
    if (entry.method == MethodDeflated) {
        if (inflateInit2(&z_, -MAX_WBITS) != Z_OK) throw EZipError("Not enough memory to inflate " + entry.name);
        inflating_ = true;
    }
}

ZipEntryReader::~ZipEntryReader() {
    if (inflating_) inflateEnd(&z_);
}

ZipChunk ZipEntryReader::Finish(std::size_t size, ZipVerdict verdict) {
    verdict_ = verdict;
    return ZipChunk{size, verdict};
}

bool ZipEntryReader::Refill() {
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(inputLeft_, InputSize));
    if (n == 0) return false;
    if (source_.read(source_.context, inputAt_, input_.get(), n) != n) return false;
    inputAt_ += n;
    inputLeft_ -= n;
    z_.next_in = input_.get();
    z_.avail_in = static_cast<uInt>(n);
    return true;
}

// Inflates up to `want` bytes (never more than declared). Sets `failure`
// when the data is damaged or ends early.
std::size_t ZipEntryReader::Inflate(std::uint8_t* buffer, std::size_t want, ZipVerdict& failure) {
    z_.next_out = buffer;
    z_.avail_out = static_cast<uInt>(want);
    while (z_.avail_out > 0 && !streamEnded_) {
        if (z_.avail_in == 0 && !Refill()) {
            failure = inputLeft_ == 0 ? ZipVerdict::SizeMismatch : ZipVerdict::DataError;
            break;
        }
        const int rc = inflate(&z_, Z_NO_FLUSH);
        if (rc == Z_STREAM_END) {
            streamEnded_ = true;
        } else if (rc != Z_OK && !(rc == Z_BUF_ERROR && z_.avail_in == 0)) {
            failure = ZipVerdict::DataError;
            break;
        }
    }
    if (streamEnded_ && z_.avail_out > 0 && failure == ZipVerdict::Pending) failure = ZipVerdict::SizeMismatch;
    return want - z_.avail_out;
}

// After the declared size: the stream must end here, with no more output
// and all compressed bytes used.
ZipVerdict ZipEntryReader::CheckStreamEnd() {
    std::uint8_t probe;
    while (!streamEnded_) {
        if (z_.avail_in == 0 && !Refill()) return ZipVerdict::SizeMismatch;
        z_.next_out = &probe;
        z_.avail_out = 1;
        const int rc = inflate(&z_, Z_NO_FLUSH);
        if (z_.avail_out == 0) return ZipVerdict::SizeMismatch;  // more data than declared
        if (rc == Z_STREAM_END) streamEnded_ = true;
        else if (rc != Z_OK && !(rc == Z_BUF_ERROR && z_.avail_in == 0)) return ZipVerdict::DataError;
    }
    if (z_.avail_in != 0 || inputLeft_ != 0) return ZipVerdict::SizeMismatch;
    return ZipVerdict::Ok;
}

ZipChunk ZipEntryReader::Read(std::uint8_t* buffer, std::size_t capacity) {
    if (verdict_ != ZipVerdict::Pending) return ZipChunk{0, verdict_};
    const std::size_t want = static_cast<std::size_t>(
        std::min<std::uint64_t>({outputLeft_, capacity, std::uint64_t{1} << 30}));

    std::size_t got = 0;
    ZipVerdict failure = ZipVerdict::Pending;
    if (entry_.method == MethodStored) {
        if (want > 0 && source_.read(source_.context, inputAt_, buffer, want) != want) failure = ZipVerdict::DataError;
        else {
            got = want;
            inputAt_ += want;
            inputLeft_ -= want;
        }
    } else {
        got = Inflate(buffer, want, failure);
    }
    if (got > 0) crc_ = static_cast<std::uint32_t>(crc32(crc_, buffer, static_cast<uInt>(got)));
    outputLeft_ -= got;
    if (failure != ZipVerdict::Pending) return Finish(got, failure);
    if (outputLeft_ > 0) return ZipChunk{got, ZipVerdict::Pending};

    const ZipVerdict end = entry_.method == MethodStored ? ZipVerdict::Ok : CheckStreamEnd();
    if (end != ZipVerdict::Ok) return Finish(got, end);
    return Finish(got, crc_ == entry_.crc32 ? ZipVerdict::Ok : ZipVerdict::CrcMismatch);
}

}  // namespace bvt::zip
