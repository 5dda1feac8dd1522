#include "ZipOutputFile.h"

#include <atomic>
#include <ctime>

#include "Exceptions.h"
#include "ZipNames.h"
#include "ZipSource.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bvt::zip {

namespace {

std::atomic<unsigned> tempCounter{0};

unsigned ProcessId() {
#ifdef _WIN32
    return static_cast<unsigned>(GetCurrentProcessId());
#else
    return static_cast<unsigned>(getpid());
#endif
}

std::string TempCandidate(const std::string& folder) {
    return JoinPath(folder, "~bvz" + std::to_string(ProcessId()) + "_" + std::to_string(tempCounter++) + ".tmp");
}

}  // namespace

#ifdef _WIN32

ZipOutputFile::ZipOutputFile(const std::string& folder) {
    for (int attempt = 0; attempt < 100 && !open_; ++attempt) {
        tempPath_ = TempCandidate(folder);
        handle_ = CreateFileA(tempPath_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ != INVALID_HANDLE_VALUE) open_ = true;
        else if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    if (!open_) throw EZipError("cannot create a file in " + folder + ": " + LastSystemErrorText());
}

void ZipOutputFile::Write(const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(size > 0x40000000 ? 0x40000000 : size);
        DWORD written = 0;
        if (!WriteFile(handle_, p, chunk, &written, nullptr) || written == 0)
            throw EZipError("cannot write " + tempPath_ + ": " + LastSystemErrorText());
        p += written;
        size -= written;
    }
}

void ZipOutputFile::Close() {
    if (open_) CloseHandle(handle_);
    open_ = false;
}

void ZipOutputFile::Commit(const std::string& target, std::uint16_t dosDate, std::uint16_t dosTime) {
    FILETIME local, utc;
    if ((dosDate != 0 || dosTime != 0) && DosDateTimeToFileTime(dosDate, dosTime, &local) &&
        LocalFileTimeToFileTime(&local, &utc))
        SetFileTime(handle_, nullptr, nullptr, &utc);  // a time that cannot be set leaves the current one
    Close();
    if (!MoveFileExA(tempPath_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
        throw EZipError("cannot replace " + target + ": " + LastSystemErrorText());
    committed_ = true;
}

ZipOutputFile::~ZipOutputFile() {
    Close();
    if (!committed_) DeleteFileA(tempPath_.c_str());
}

#else

ZipOutputFile::ZipOutputFile(const std::string& folder) {
    for (int attempt = 0; attempt < 100 && !open_; ++attempt) {
        tempPath_ = TempCandidate(folder);
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) open_ = true;
        else if (errno != EEXIST) break;
    }
    if (!open_) throw EZipError("cannot create a file in " + folder + ": " + LastSystemErrorText());
}

void ZipOutputFile::Write(const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd_, p, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) throw EZipError("cannot write " + tempPath_ + ": " + LastSystemErrorText());
        p += written;
        size -= static_cast<std::size_t>(written);
    }
}

void ZipOutputFile::Close() {
    if (open_) ::close(fd_);
    open_ = false;
}

void ZipOutputFile::Commit(const std::string& target, std::uint16_t dosDate, std::uint16_t dosTime) {
    if (dosDate != 0 || dosTime != 0) {
        std::tm t{};
        t.tm_year = 80 + (dosDate >> 9);
        t.tm_mon = ((dosDate >> 5) & 15) - 1;
        t.tm_mday = dosDate & 31;
        t.tm_hour = dosTime >> 11;
        t.tm_min = (dosTime >> 5) & 63;
        t.tm_sec = (dosTime & 31) * 2;
        t.tm_isdst = -1;
        const std::time_t when = std::mktime(&t);
        if (when != static_cast<std::time_t>(-1)) {
            const struct timespec times[2] = {{when, 0}, {when, 0}};
            ::futimens(fd_, times);  // a time that cannot be set leaves the current one
        }
    }
    Close();
    if (::rename(tempPath_.c_str(), target.c_str()) != 0)
        throw EZipError("cannot replace " + target + ": " + LastSystemErrorText());
    committed_ = true;
}

ZipOutputFile::~ZipOutputFile() {
    Close();
    if (!committed_) ::unlink(tempPath_.c_str());
}

#endif

}  // namespace bvt::zip
