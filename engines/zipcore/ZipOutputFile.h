// One extracted file on its way to its target: written under a temporary
// name in the destination folder and moved over the target only once it is
// complete and verified. Until Commit() the target is never touched; a file
// that is abandoned (destructor without Commit) is deleted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bvt::zip {

class ZipOutputFile {
public:
    // Creates a fresh temporary file in folder; throws EZipError with the
    // system's reason when it cannot.
    explicit ZipOutputFile(const std::string& folder);
    ~ZipOutputFile();
    ZipOutputFile(const ZipOutputFile&) = delete;
    ZipOutputFile& operator=(const ZipOutputFile&) = delete;

    void Write(const void* data, std::size_t size);
    // Closes the file, gives it the MS-DOS time (local time; 0/0 keeps the
    // current time) and moves it over target, replacing an existing file.
    void Commit(const std::string& target, std::uint16_t dosDate, std::uint16_t dosTime);

    const std::string& TempPath() const { return tempPath_; }

private:
    void Close();

    std::string tempPath_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
    bool open_ = false;
    bool committed_ = false;
};

}  // namespace bvt::zip
