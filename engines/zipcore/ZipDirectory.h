// The central directory reader. It validates the whole directory before
// anyone extracts anything: the end record, every file header (signature,
// bounded name, sizes and offsets inside the archive), every local header
// (signature, name, method, sizes) and that no entry's data runs into
// another's or past the directory. It never reads outside the archive and
// keeps no more than one header in memory at a time besides the entry list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ZipSource.h"

namespace bvt::zip {

struct ZipEntry {
    std::string name;                 // as stored (bytes, no conversion)
    std::uint16_t versionMadeBy = 0;
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint16_t dosTime = 0;
    std::uint16_t dosDate = 0;
    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint16_t internalAttributes = 0;
    std::uint32_t externalAttributes = 0;
    std::uint32_t localHeaderOffset = 0;  // where the local header really is
    std::uint64_t dataOffset = 0;         // first byte of the entry's data
    bool isDirectory = false;             // name ends with a slash
    // Why this entry cannot be extracted (encrypted, unknown method...);
    // empty when it can.
    std::string unsupported;
};

struct ZipDirectory {
    std::vector<ZipEntry> entries;
    std::uint64_t directoryStart = 0;   // where the directory was read from
    std::uint64_t directorySize = 0;
    // The end record's directory offset differs from the computed start
    // (archive size - directory size - comment length - 22); the computed
    // start was used.
    bool offsetMismatch = false;
    std::uint32_t storedDirectoryOffset = 0;
};

// Reads and validates the directory; throws EZipError naming the first
// problem. Entries that are readable but not extractable carry a reason in
// `unsupported` instead.
ZipDirectory ReadZipDirectory(const ZipSource& source);

// The warning text for ZipDirectory::offsetMismatch.
std::string OffsetMismatchWarning(const ZipDirectory& directory);

}  // namespace bvt::zip
