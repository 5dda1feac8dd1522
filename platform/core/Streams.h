// The stream family: an abstract byte stream with exact-read/exact-write
// helpers, a growable memory stream, a read-only view of borrowed memory and
// a bounded window onto part of another stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bvt {

enum class SeekOrigin { Begin, Current, End };

class TStream {
public:
    virtual ~TStream() = default;
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    // Reads up to count bytes; returns how many were read (0 at the end).
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes up to count bytes; returns how many were written.
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    // Moves the position; returns the new position. Throws EStreamError on
    // a position outside what the stream supports.
    virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(std::int64_t position) { Seek(position, SeekOrigin::Begin); }
    virtual std::int64_t Size();

    // Reads exactly count bytes or throws EReadError ("Stream read error").
    void ReadBuffer(void* buffer, std::size_t count);
    // Writes exactly count bytes or throws EWriteError ("Stream write error").
    void WriteBuffer(const void* buffer, std::size_t count);
    // Copies exactly count bytes from source's position to this stream's
    // position through a fixed buffer; a short source throws EReadError.
    void CopyFrom(TStream& source, std::int64_t count);

    // Little-endian signed 32-bit integers, the only integer form of the
    // embedded-file formats.
    std::int32_t ReadInt32();
    void WriteInt32(std::int32_t value);
};

// A stream over a growable byte vector; reads past the end return 0 bytes.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// A read-only stream over memory owned by someone else (a resource, a part of
// a parsed buffer). Writes fail.
class TReadOnlyMemoryStream : public TStream {
public:
    TReadOnlyMemoryStream(const void* data, std::size_t size)
        : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void*, std::size_t) override { return 0; }
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(size_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// A read-only window of `length` bytes starting at `start` in another
// stream: nothing before or after the window can be reached through it.
class TStreamView : public TStream {
public:
    TStreamView(TStream& base, std::int64_t start, std::int64_t length);

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void*, std::size_t) override { return 0; }
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() override { return length_; }

private:
    TStream& base_;
    std::int64_t start_;
    std::int64_t length_;
    std::int64_t position_ = 0;
};

// Shared by the seekable streams: resolves a seek request against a size and
// throws EStreamError for a negative result.
std::int64_t ResolveSeek(std::int64_t current, std::int64_t size, std::int64_t offset, SeekOrigin origin);

}  // namespace bvt
