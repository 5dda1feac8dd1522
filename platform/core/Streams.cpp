#include "Streams.h"

#include <algorithm>
#include <cstring>

#include "Exceptions.h"

namespace bvt {

std::int64_t ResolveSeek(std::int64_t current, std::int64_t size, std::int64_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    switch (origin) {
        case SeekOrigin::Begin: base = 0; break;
        case SeekOrigin::Current: base = current; break;
        case SeekOrigin::End: base = size; break;
    }
    if ((offset < 0 && base < -offset) || (offset > 0 && base > INT64_MAX - offset))
        throw EStreamError("Stream seek error");
    return base + offset;
}

std::int64_t TStream::Size() {
    const std::int64_t here = Position();
    const std::int64_t end = Seek(0, SeekOrigin::End);
    SetPosition(here);
    return end;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
    auto* out = static_cast<std::uint8_t*>(buffer);
    while (count > 0) {
        const std::size_t n = Read(out, count);
        if (n == 0) throw EReadError();
        out += n;
        count -= n;
    }
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
    const auto* in = static_cast<const std::uint8_t*>(buffer);
    while (count > 0) {
        const std::size_t n = Write(in, count);
        if (n == 0) throw EWriteError();
        in += n;
        count -= n;
    }
}

void TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count < 0) throw EReadError();
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(count, 64 * 1024)));
    while (count > 0) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::int64_t>(count, buffer.size()));
        source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        count -= static_cast<std::int64_t>(chunk);
    }
}

std::int32_t TStream::ReadInt32() {
    std::uint8_t b[4];
    ReadBuffer(b, 4);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                     static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

void TStream::WriteInt32(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                               static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    WriteBuffer(b, 4);
}

// --- TMemoryStream ---------------------------------------------------------

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    if (position_ >= bytes_.size()) return 0;
    const std::size_t n = std::min(count, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return 0;
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
    position_ = static_cast<std::size_t>(ResolveSeek(static_cast<std::int64_t>(position_), Size(), offset, origin));
    return static_cast<std::int64_t>(position_);
}

// --- TReadOnlyMemoryStream -------------------------------------------------

std::size_t TReadOnlyMemoryStream::Read(void* buffer, std::size_t count) {
    if (position_ >= size_) return 0;
    const std::size_t n = std::min(count, size_ - position_);
    std::memcpy(buffer, data_ + position_, n);
    position_ += n;
    return n;
}

std::int64_t TReadOnlyMemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
    position_ = static_cast<std::size_t>(ResolveSeek(static_cast<std::int64_t>(position_), Size(), offset, origin));
    return static_cast<std::int64_t>(position_);
}

// --- TStreamView -----------------------------------------------------------

TStreamView::TStreamView(TStream& base, std::int64_t start, std::int64_t length)
    : base_(base), start_(start), length_(length) {
    if (start < 0 || length < 0) throw EStreamError("Stream view out of range");
}

std::size_t TStreamView::Read(void* buffer, std::size_t count) {
    if (position_ >= length_) return 0;
    const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(count), length_ - position_));
    base_.SetPosition(start_ + position_);
    const std::size_t got = base_.Read(buffer, n);
    position_ += static_cast<std::int64_t>(got);
    return got;
}

std::int64_t TStreamView::Seek(std::int64_t offset, SeekOrigin origin) {
    position_ = ResolveSeek(position_, length_, offset, origin);
    return position_;
}

}  // namespace bvt
