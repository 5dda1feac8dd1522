// Writes an archive in the payload's fixed layout: entries in the given
// order, each deflated (raw deflate, level 9) with general flags 0, version
// needed 20, version made by 0x0B14, no extra fields or comments, internal
// attribute 1 for text entries, external attribute 0x20 (archive bit), one
// MS-DOS time per entry; the central directory directly after the last
// entry's data and an end record without comment.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ZipFormat.h"

namespace bvt::zip {

struct ZipWriteItem {
    std::string sourcePath;
    std::string storedName;             // empty: the source's bare file name
    std::optional<bool> text;           // empty: names ending ".txt" are text
};

struct ZipWriteOptions {
    // Time of every entry; empty: each source file's modification time.
    std::optional<DosStamp> fixedTime;
};

// Throws EZipError (or a stream error) on any failure; a half-written
// archive is deleted.
void WriteZipArchive(const std::string& archivePath, const std::vector<ZipWriteItem>& items,
                     const ZipWriteOptions& options);

// "YYYY-MM-DDThh:mm:ss" as an MS-DOS stamp; throws EZipError when malformed.
DosStamp ParseDosStamp(const std::string& text);

// The time a build should stamp: SOURCE_DATE_EPOCH (UTC) when set, else empty.
std::optional<DosStamp> SourceDateEpochStamp();

}  // namespace bvt::zip
