#include "ZipSource.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bvt::zip {

void ReadExact(const ZipSource& source, std::uint64_t offset, void* buffer, std::size_t n, const char* what) {
    if (offset > source.size || n > source.size - offset)
        throw EZipError(std::string(what) + " lies outside the archive");
    if (n != 0 && source.read(source.context, offset, buffer, n) != n)
        throw EZipError(std::string(what) + " cannot be read");
}

std::size_t MemoryArchive::ReadAt(void* context, std::uint64_t offset, void* buffer, std::size_t n) {
    auto* self = static_cast<MemoryArchive*>(context);
    if (offset >= self->size_) return 0;
    const std::size_t available = self->size_ - static_cast<std::size_t>(offset);
    const std::size_t count = n < available ? n : available;
    std::memcpy(buffer, self->data_ + offset, count);
    return count;
}

#ifdef _WIN32

FileArchive::FileArchive(const std::string& path) {
    handle_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE)
        throw EZipError("Cannot open archive " + path + ". " + LastSystemErrorText());
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) {
        const std::string reason = LastSystemErrorText();
        CloseHandle(handle_);
        throw EZipError("Cannot read archive " + path + ". " + reason);
    }
    size_ = static_cast<std::uint64_t>(size.QuadPart);
}

FileArchive::~FileArchive() { CloseHandle(handle_); }

std::size_t FileArchive::ReadAt(void* context, std::uint64_t offset, void* buffer, std::size_t n) {
    auto* self = static_cast<FileArchive*>(context);
    std::size_t done = 0;
    while (done < n) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset + done);
        at.OffsetHigh = static_cast<DWORD>((offset + done) >> 32);
        const DWORD chunk = static_cast<DWORD>(n - done > 0x40000000 ? 0x40000000 : n - done);
        DWORD got = 0;
        if (!ReadFile(self->handle_, static_cast<char*>(buffer) + done, chunk, &got, &at) || got == 0) break;
        done += got;
    }
    return done;
}

#else

FileArchive::FileArchive(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw EZipError("Cannot open archive " + path + ". " + LastSystemErrorText());
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        const std::string reason = LastSystemErrorText();
        ::close(fd_);
        throw EZipError("Cannot read archive " + path + ". " + reason);
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
}

FileArchive::~FileArchive() { ::close(fd_); }

std::size_t FileArchive::ReadAt(void* context, std::uint64_t offset, void* buffer, std::size_t n) {
    auto* self = static_cast<FileArchive*>(context);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(self->fd_, static_cast<char*>(buffer) + done, n - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

#endif

}  // namespace bvt::zip
