#include "ZipDirectory.h"

#include <algorithm>
#include <cstring>

#include "ZipFormat.h"

namespace bvt::zip {

namespace {

struct EndRecord {
    std::uint64_t position = 0;
    std::uint32_t directorySize = 0;
    std::uint32_t directoryOffset = 0;
    std::uint16_t entries = 0;
};

// The end record must close the archive: its comment runs exactly to the
// last byte. Searched backwards over the largest comment window.
EndRecord FindEndRecord(const ZipSource& source) {
    if (source.size < EndRecordSize) throw EZipError("The file is too short to be a ZIP archive");
    const std::uint64_t window = std::min<std::uint64_t>(source.size, EndRecordSize + MaxCommentSize);
    std::vector<std::uint8_t> tail(static_cast<std::size_t>(window));
    ReadExact(source, source.size - window, tail.data(), tail.size(), "The end of central directory record");

    for (std::size_t i = tail.size() - EndRecordSize + 1; i-- > 0;) {
        const std::uint8_t* p = tail.data() + i;
        if (Get32(p) != EndRecordSignature) continue;
        if (i + EndRecordSize + Get16(p + endrec::CommentLength) != tail.size()) continue;

        if (Get16(p + endrec::DiskNumber) != 0 || Get16(p + endrec::DirectoryDisk) != 0 ||
            Get16(p + endrec::EntriesOnDisk) != Get16(p + endrec::EntriesTotal))
            throw EZipError("Multi-disk (split or spanned) archives are not supported");
        const std::uint64_t position = source.size - window + i;
        const bool zip64Locator = i >= Zip64LocatorSize && Get32(p - Zip64LocatorSize) == Zip64LocatorSignature;
        if (zip64Locator || Get16(p + endrec::EntriesTotal) == 0xFFFF || Get32(p + endrec::DirectorySize) == 0xFFFFFFFF ||
            Get32(p + endrec::DirectoryOffset) == 0xFFFFFFFF)
            throw EZipError("ZIP64 archives are not supported");
        return EndRecord{position, Get32(p + endrec::DirectorySize), Get32(p + endrec::DirectoryOffset),
                         Get16(p + endrec::EntriesTotal)};
    }
    throw EZipError("End of central directory record not found: not a ZIP archive or a damaged one");
}

std::string Unsupported(const ZipEntry& e) {
    if (e.flags & (FlagEncrypted | FlagStrongEncryption | FlagMaskedHeader)) return "encrypted entry";
    if (e.method != MethodStored && e.method != MethodDeflated)
        return "unsupported compression method " + std::to_string(e.method);
    if (e.method == MethodStored && e.compressedSize != e.uncompressedSize)
        return "stored entry with differing sizes";
    return {};
}

// Parses one central file header at `at`; returns the offset after it.
std::uint64_t ReadCentralHeader(const ZipSource& source, std::uint64_t at, std::uint64_t end, ZipEntry& e) {
    std::uint8_t h[CentralHeaderSize];
    if (at > end || end - at < CentralHeaderSize) throw EZipError("The central directory is truncated");
    ReadExact(source, at, h, sizeof h, "A central directory header");
    if (Get32(h) != CentralHeaderSignature) throw EZipError("A central directory header is damaged (bad signature)");

    const std::size_t nameLength = Get16(h + central::NameLength);
    const std::uint64_t recordSize =
        CentralHeaderSize + nameLength + Get16(h + central::ExtraLength) + Get16(h + central::CommentLength);
    if (nameLength == 0) throw EZipError("A central directory header has an empty name");
    if (nameLength > MaxNameSize) throw EZipError("A central directory header has a name that is too long");
    if (end - at < recordSize) throw EZipError("A central directory header runs past the directory");
    if (Get16(h + central::DiskStart) != 0) throw EZipError("Multi-disk (split or spanned) archives are not supported");

    e.versionMadeBy = Get16(h + central::VersionMadeBy);
    e.versionNeeded = Get16(h + central::VersionNeeded);
    e.flags = Get16(h + central::Flags);
    e.method = Get16(h + central::Method);
    e.dosTime = Get16(h + central::Time);
    e.dosDate = Get16(h + central::Date);
    e.crc32 = Get32(h + central::Crc);
    e.compressedSize = Get32(h + central::CompressedSize);
    e.uncompressedSize = Get32(h + central::UncompressedSize);
    e.internalAttributes = Get16(h + central::InternalAttributes);
    e.externalAttributes = Get32(h + central::ExternalAttributes);
    e.localHeaderOffset = Get32(h + central::LocalHeaderOffset);
    if (e.compressedSize == 0xFFFFFFFF || e.uncompressedSize == 0xFFFFFFFF || e.localHeaderOffset == 0xFFFFFFFF)
        throw EZipError("ZIP64 entries are not supported");

    e.name.resize(nameLength);
    ReadExact(source, at + CentralHeaderSize, e.name.data(), nameLength, "A file name");
    e.isDirectory = e.name.back() == '/' || e.name.back() == '\\';
    e.unsupported = Unsupported(e);
    return at + recordSize;
}

// Checks the local header at `offset` against the directory's record;
// returns false when it is not a local header of this entry.
bool MatchLocalHeader(const ZipSource& source, std::uint64_t offset, std::uint64_t directoryStart, ZipEntry& e) {
    std::uint8_t h[LocalHeaderSize];
    if (offset > directoryStart || directoryStart - offset < LocalHeaderSize) return false;
    ReadExact(source, offset, h, sizeof h, "A local header");
    if (Get32(h) != LocalHeaderSignature) return false;
    const std::size_t nameLength = Get16(h + local::NameLength);
    const std::uint64_t dataOffset = offset + LocalHeaderSize + nameLength + Get16(h + local::ExtraLength);
    if (nameLength != e.name.size() || dataOffset > directoryStart) return false;

    char name[MaxNameSize];
    ReadExact(source, offset + LocalHeaderSize, name, nameLength, "A local file name");
    if (std::memcmp(name, e.name.data(), nameLength) != 0) return false;
    if (Get16(h + local::Method) != e.method) return false;
    // With a data descriptor the local sizes may be zero: the directory's count.
    if (!(Get16(h + local::Flags) & FlagDataDescriptor) &&
        (Get32(h + local::Crc) != e.crc32 || Get32(h + local::CompressedSize) != e.compressedSize ||
         Get32(h + local::UncompressedSize) != e.uncompressedSize))
        return false;
    e.dataOffset = dataOffset;
    return true;
}

void LocateData(const ZipSource& source, const ZipDirectory& dir, std::int64_t shift, ZipEntry& e) {
    // Bytes before the archive (or a wrong directory offset) move every
    // local header by the same amount; try the moved place, then the stored one.
    const std::int64_t moved = static_cast<std::int64_t>(e.localHeaderOffset) + shift;
    if (shift != 0 && moved >= 0 && MatchLocalHeader(source, static_cast<std::uint64_t>(moved), dir.directoryStart, e)) {
        e.localHeaderOffset = static_cast<std::uint32_t>(moved);
    } else if (!MatchLocalHeader(source, e.localHeaderOffset, dir.directoryStart, e)) {
        throw EZipError("The local header of " + e.name + " is damaged or does not match the directory");
    }
    if (dir.directoryStart - e.dataOffset < e.compressedSize)
        throw EZipError("The data of " + e.name + " runs into the central directory");
}

void RefuseOverlaps(std::vector<ZipEntry>& entries) {
    std::vector<const ZipEntry*> order;
    order.reserve(entries.size());
    for (const ZipEntry& e : entries) order.push_back(&e);
    std::sort(order.begin(), order.end(),
              [](const ZipEntry* a, const ZipEntry* b) { return a->localHeaderOffset < b->localHeaderOffset; });
    for (std::size_t i = 1; i < order.size(); ++i)
        if (order[i - 1]->dataOffset + order[i - 1]->compressedSize > order[i]->localHeaderOffset)
            throw EZipError("The entries " + order[i - 1]->name + " and " + order[i]->name + " overlap");
}

}  // namespace

ZipDirectory ReadZipDirectory(const ZipSource& source) {
    const EndRecord end = FindEndRecord(source);
    if (end.directorySize > end.position) throw EZipError("The central directory lies outside the archive");

    ZipDirectory dir;
    dir.directorySize = end.directorySize;
    dir.directoryStart = end.position - end.directorySize;
    dir.storedDirectoryOffset = end.directoryOffset;
    dir.offsetMismatch = end.directoryOffset != dir.directoryStart;
    const std::int64_t shift =
        static_cast<std::int64_t>(dir.directoryStart) - static_cast<std::int64_t>(end.directoryOffset);

    // Each header is at least 46 bytes, so the count is bounded by the size.
    if (static_cast<std::uint64_t>(end.entries) * CentralHeaderSize > end.directorySize)
        throw EZipError("The central directory is too short for its entry count");
    dir.entries.resize(end.entries);
    std::uint64_t at = dir.directoryStart;
    for (ZipEntry& e : dir.entries) at = ReadCentralHeader(source, at, end.position, e);
    if (at != end.position) throw EZipError("The central directory size does not match its entries");

    for (ZipEntry& e : dir.entries) LocateData(source, dir, shift, e);
    RefuseOverlaps(dir.entries);
    return dir;
}

std::string OffsetMismatchWarning(const ZipDirectory& directory) {
    return "The central directory offset " + std::to_string(directory.storedDirectoryOffset) +
           " differs from its computed start " + std::to_string(directory.directoryStart) +
           "; the computed start is used";
}

}  // namespace bvt::zip
