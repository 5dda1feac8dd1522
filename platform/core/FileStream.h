// File streams and the few file-system helpers the portable code needs.
// Paths are 8-bit strings (the ANSI code page on Windows, bytes on POSIX).
#pragma once

#include <string>

#include "Streams.h"

namespace bvt {

enum class FileMode {
    OpenRead,    // existing file, read only
    OpenWrite,   // existing file, write only, not truncated
    Create,      // create or truncate, read and write
};

// A stream over an operating-system file handle. Opening failures throw
// EFOpenError / EFCreateError with the system's reason.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& path, FileMode mode);
    ~TFileStream() override;

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;

    const std::string& FileName() const { return path_; }

private:
    std::string path_;
#ifdef _WIN32
    void* handle_;
#else
    int fd_;
#endif
};

// True when a file (not a folder) of this name exists.
bool FileExists(const std::string& path);

// Deletes a file; returns false when it could not be deleted.
bool DeleteFileAt(const std::string& path);

enum class CreateNewResult { Created, Exists, Failed };

// Creates an empty file exclusively (it must not exist yet) and closes it at
// once. Distinguishes a name that is taken from any other failure.
CreateNewResult CreateNewFile(const std::string& path);

// The system's temporary folder as the system reports it (GetTempPathA on
// Windows, $TMPDIR or /tmp/ elsewhere); empty when it cannot be determined.
std::string SystemTempFolder();

// The platform's path separator for joining paths built by portable code.
constexpr char PathDelimiter =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

}  // namespace bvt
