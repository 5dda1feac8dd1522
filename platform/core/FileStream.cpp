#include "FileStream.h"

#include "Exceptions.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bvt {

#ifdef _WIN32

TFileStream::TFileStream(const std::string& path, FileMode mode) : path_(path) {
    DWORD access = GENERIC_READ, disposition = OPEN_EXISTING;
    if (mode == FileMode::OpenWrite) access = GENERIC_WRITE;
    if (mode == FileMode::Create) access = GENERIC_READ | GENERIC_WRITE, disposition = CREATE_ALWAYS;
    handle_ = CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        if (mode == FileMode::Create) throw EFCreateError(path, LastSystemErrorText());
        throw EFOpenError(path, LastSystemErrorText());
    }
}

TFileStream::~TFileStream() { CloseHandle(handle_); }

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
    DWORD done = 0;
    const DWORD ask = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
    if (!ReadFile(handle_, buffer, ask, &done, nullptr)) return 0;
    return done;
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
    DWORD done = 0;
    const DWORD ask = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
    if (!WriteFile(handle_, buffer, ask, &done, nullptr)) return 0;
    return done;
}

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
    LARGE_INTEGER distance, result;
    distance.QuadPart = offset;
    const DWORD method = origin == SeekOrigin::Begin ? FILE_BEGIN : origin == SeekOrigin::Current ? FILE_CURRENT : FILE_END;
    if (!SetFilePointerEx(handle_, distance, &result, method)) throw EStreamError("Stream seek error");
    return result.QuadPart;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteFileAt(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

CreateNewResult CreateNewFile(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? CreateNewResult::Exists
                                                                            : CreateNewResult::Failed;
    }
    CloseHandle(h);
    return CreateNewResult::Created;
}

std::string SystemTempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(MAX_PATH, buffer);
    if (n == 0 || n > MAX_PATH) return {};
    return std::string(buffer, n);
}

#else

TFileStream::TFileStream(const std::string& path, FileMode mode) : path_(path) {
    int flags = O_RDONLY;
    if (mode == FileMode::OpenWrite) flags = O_WRONLY;
    if (mode == FileMode::Create) flags = O_RDWR | O_CREAT | O_TRUNC;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        if (mode == FileMode::Create) throw EFCreateError(path, LastSystemErrorText());
        throw EFOpenError(path, LastSystemErrorText());
    }
}

TFileStream::~TFileStream() { ::close(fd_); }

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, count);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) return 0;
    }
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
    for (;;) {
        const ssize_t n = ::write(fd_, buffer, count);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) return 0;
    }
}

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
    const int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    const off_t result = ::lseek(fd_, static_cast<off_t>(offset), whence);
    if (result < 0) throw EStreamError("Stream seek error");
    return result;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DeleteFileAt(const std::string& path) { return ::unlink(path.c_str()) == 0; }

CreateNewResult CreateNewFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno == EEXIST ? CreateNewResult::Exists : CreateNewResult::Failed;
    ::close(fd);
    return CreateNewResult::Created;
}

std::string SystemTempFolder() {
    const char* dir = std::getenv("TMPDIR");
    std::string folder = dir && *dir ? dir : "/tmp";
    if (folder.back() != '/') folder += '/';
    return folder;
}

#endif

}  // namespace bvt
