// Where the reader takes an archive's bytes from: a positional read
// callback, so the same reader serves files, memory and test doubles, and
// never keeps more of the archive in memory than the caller's buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Exceptions.h"

namespace bvt::zip {

// A damaged, unsupported or unreadable archive.
class EZipError : public Exception {
public:
    using Exception::Exception;
};

// Reads up to n bytes at offset; returns how many were read (fewer only at
// the end of the data or on an error).
using ReadAtFn = std::size_t (*)(void* context, std::uint64_t offset, void* buffer, std::size_t n);

struct ZipSource {
    ReadAtFn read = nullptr;
    void* context = nullptr;
    std::uint64_t size = 0;
};

// Reads exactly n bytes at offset inside the source, or throws EZipError
// ("<what> lies outside the archive" / "... cannot be read").
void ReadExact(const ZipSource& source, std::uint64_t offset, void* buffer, std::size_t n, const char* what);

// Bytes in memory owned by the caller.
class MemoryArchive {
public:
    MemoryArchive(const void* data, std::size_t size) : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}
    ZipSource Source() { return ZipSource{&MemoryArchive::ReadAt, this, size_}; }

private:
    static std::size_t ReadAt(void* context, std::uint64_t offset, void* buffer, std::size_t n);
    const std::uint8_t* data_;
    std::size_t size_;
};

// An archive file opened for reading; closed by the destructor.
class FileArchive {
public:
    // Throws EZipError with the system's reason when the file cannot be opened.
    explicit FileArchive(const std::string& path);
    ~FileArchive();
    FileArchive(const FileArchive&) = delete;
    FileArchive& operator=(const FileArchive&) = delete;

    ZipSource Source() { return ZipSource{&FileArchive::ReadAt, this, size_}; }

private:
    static std::size_t ReadAt(void* context, std::uint64_t offset, void* buffer, std::size_t n);
#ifdef _WIN32
    void* handle_;
#else
    int fd_;
#endif
    std::uint64_t size_ = 0;
};

}  // namespace bvt::zip
