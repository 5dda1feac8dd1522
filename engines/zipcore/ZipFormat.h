// The ZIP records this code reads and writes, as little-endian field
// offsets, plus the MS-DOS date/time packing. Only the classic (non-ZIP64),
// single-disk layout is handled.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bvt::zip {

constexpr std::uint32_t LocalHeaderSignature = 0x04034b50;
constexpr std::uint32_t CentralHeaderSignature = 0x02014b50;
constexpr std::uint32_t EndRecordSignature = 0x06054b50;
constexpr std::uint32_t Zip64LocatorSignature = 0x07064b50;

constexpr std::size_t LocalHeaderSize = 30;
constexpr std::size_t CentralHeaderSize = 46;
constexpr std::size_t EndRecordSize = 22;
constexpr std::size_t Zip64LocatorSize = 20;
constexpr std::size_t MaxCommentSize = 0xFFFF;
// Longer stored names are refused: no file system here takes them.
constexpr std::size_t MaxNameSize = 1024;

// General-purpose flag bits.
constexpr std::uint16_t FlagEncrypted = 1u << 0;
constexpr std::uint16_t FlagDataDescriptor = 1u << 3;
constexpr std::uint16_t FlagStrongEncryption = 1u << 6;
constexpr std::uint16_t FlagUtf8 = 1u << 11;
constexpr std::uint16_t FlagMaskedHeader = 1u << 13;

constexpr std::uint16_t MethodStored = 0;
constexpr std::uint16_t MethodDeflated = 8;

// Local file header field offsets.
namespace local {
constexpr std::size_t Signature = 0, VersionNeeded = 4, Flags = 6, Method = 8, Time = 10, Date = 12, Crc = 14,
                      CompressedSize = 18, UncompressedSize = 22, NameLength = 26, ExtraLength = 28;
}
// Central directory file header field offsets.
namespace central {
constexpr std::size_t Signature = 0, VersionMadeBy = 4, VersionNeeded = 6, Flags = 8, Method = 10, Time = 12,
                      Date = 14, Crc = 16, CompressedSize = 20, UncompressedSize = 24, NameLength = 28,
                      ExtraLength = 30, CommentLength = 32, DiskStart = 34, InternalAttributes = 36,
                      ExternalAttributes = 38, LocalHeaderOffset = 42;
}
// End of central directory record field offsets.
namespace endrec {
constexpr std::size_t Signature = 0, DiskNumber = 4, DirectoryDisk = 6, EntriesOnDisk = 8, EntriesTotal = 10,
                      DirectorySize = 12, DirectoryOffset = 16, CommentLength = 20;
}

inline std::uint16_t Get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t Get32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void Put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// An MS-DOS date and time as stored in the headers (local time, 2-second
// resolution, years 1980-2107).
struct DosStamp {
    std::uint16_t date = 0x21;  // 1980-01-01
    std::uint16_t time = 0;
};

// Packs calendar fields; clamps to the representable range.
DosStamp MakeDosStamp(int year, int month, int day, int hour, int minute, int second);

}  // namespace bvt::zip
