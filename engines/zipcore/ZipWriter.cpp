#include "ZipWriter.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "FileStream.h"
#include "StringUtils.h"
#include "ZipNames.h"
#include "ZipSource.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace bvt::zip {

DosStamp MakeDosStamp(int year, int month, int day, int hour, int minute, int second) {
    if (year < 1980) return DosStamp{};
    if (year > 2107) year = 2107;
    DosStamp s;
    s.date = static_cast<std::uint16_t>(((year - 1980) << 9) | (month << 5) | day);
    s.time = static_cast<std::uint16_t>((hour << 11) | (minute << 5) | (second / 2));
    return s;
}

DosStamp ParseDosStamp(const std::string& text) {
    int y, mo, d, h, mi, s;
    char tail;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6 ||
        text.size() != 19 || y < 1980 || y > 2107 || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 ||
        s > 59 || h < 0 || mi < 0 || s < 0)
        throw EZipError("Bad time \"" + text + "\": expected YYYY-MM-DDThh:mm:ss between 1980 and 2107");
    return MakeDosStamp(y, mo, d, h, mi, s);
}

namespace {

DosStamp StampOf(const std::tm& t) {
    return MakeDosStamp(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
}

DosStamp FileStamp(const std::string& path) {
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    WORD date, time;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToDosDateTime(&local, &date, &time))
        throw EZipError("Cannot read the time of " + path + ": " + LastSystemErrorText());
    return DosStamp{date, time};
#else
    struct stat st {};
    std::tm t{};
    if (::stat(path.c_str(), &st) != 0 || !localtime_r(&st.st_mtime, &t))
        throw EZipError("Cannot read the time of " + path + ": " + LastSystemErrorText());
    return StampOf(t);
#endif
}

struct Written {
    std::string name;
    DosStamp stamp;
    std::uint32_t crc = 0, compressedSize = 0, uncompressedSize = 0, offset = 0;
    std::uint16_t internalAttributes = 0;
};

constexpr std::uint16_t VersionNeeded = 20;
constexpr std::uint16_t VersionMadeBy = 0x0B14;
constexpr std::uint32_t ArchiveAttribute = 0x20;
constexpr std::size_t BufferSize = 64 * 1024;

std::uint32_t Checked32(std::int64_t value, const std::string& what) {
    if (value < 0 || value >= 0xFFFFFFFFLL) throw EZipError(what + " is too large for a ZIP archive without ZIP64");
    return static_cast<std::uint32_t>(value);
}

void WriteLocalHeader(TStream& out, const Written& w) {
    std::uint8_t h[LocalHeaderSize] = {};
    Put32(h + local::Signature, LocalHeaderSignature);
    Put16(h + local::VersionNeeded, VersionNeeded);
    Put16(h + local::Method, MethodDeflated);
    Put16(h + local::Time, w.stamp.time);
    Put16(h + local::Date, w.stamp.date);
    Put32(h + local::Crc, w.crc);
    Put32(h + local::CompressedSize, w.compressedSize);
    Put32(h + local::UncompressedSize, w.uncompressedSize);
    Put16(h + local::NameLength, static_cast<std::uint16_t>(w.name.size()));
    out.WriteBuffer(h, sizeof h);
    out.WriteBuffer(w.name.data(), w.name.size());
}

void WriteCentralHeader(TStream& out, const Written& w) {
    std::uint8_t h[CentralHeaderSize] = {};
    Put32(h + central::Signature, CentralHeaderSignature);
    Put16(h + central::VersionMadeBy, VersionMadeBy);
    Put16(h + central::VersionNeeded, VersionNeeded);
    Put16(h + central::Method, MethodDeflated);
    Put16(h + central::Time, w.stamp.time);
    Put16(h + central::Date, w.stamp.date);
    Put32(h + central::Crc, w.crc);
    Put32(h + central::CompressedSize, w.compressedSize);
    Put32(h + central::UncompressedSize, w.uncompressedSize);
    Put16(h + central::NameLength, static_cast<std::uint16_t>(w.name.size()));
    Put16(h + central::InternalAttributes, w.internalAttributes);
    Put32(h + central::ExternalAttributes, ArchiveAttribute);
    Put32(h + central::LocalHeaderOffset, w.offset);
    out.WriteBuffer(h, sizeof h);
    out.WriteBuffer(w.name.data(), w.name.size());
}

// Deflates the whole source into out; fills crc and both sizes.
void DeflateFile(TStream& in, TStream& out, Written& w) {
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw EZipError("Not enough memory to deflate " + w.name);
    std::unique_ptr<std::uint8_t[]> input(new std::uint8_t[BufferSize]), output(new std::uint8_t[BufferSize]);
    std::int64_t inTotal = 0, outTotal = 0;
    std::uint32_t crc = 0;
    try {
        int flush = Z_NO_FLUSH;
        while (flush != Z_FINISH) {
            const std::size_t n = in.Read(input.get(), BufferSize);
            flush = n == 0 ? Z_FINISH : Z_NO_FLUSH;
            crc = static_cast<std::uint32_t>(crc32(crc, input.get(), static_cast<uInt>(n)));
            inTotal += static_cast<std::int64_t>(n);
            z.next_in = input.get();
            z.avail_in = static_cast<uInt>(n);
            do {
                z.next_out = output.get();
                z.avail_out = static_cast<uInt>(BufferSize);
                deflate(&z, flush);
                const std::size_t produced = BufferSize - z.avail_out;
                out.WriteBuffer(output.get(), produced);
                outTotal += static_cast<std::int64_t>(produced);
            } while (z.avail_out == 0);
        }
    } catch (...) {
        deflateEnd(&z);
        throw;
    }
    deflateEnd(&z);
    w.crc = crc;
    w.uncompressedSize = Checked32(inTotal, w.name);
    w.compressedSize = Checked32(outTotal, w.name);
}

void WriteArchive(TStream& out, const std::vector<ZipWriteItem>& items, const ZipWriteOptions& options) {
    if (items.size() > 0xFFFF) throw EZipError("Too many entries for a ZIP archive without ZIP64");
    std::vector<Written> written;
    for (const ZipWriteItem& item : items) {
        Written w;
        w.name = item.storedName.empty() ? ExtractFileName(item.sourcePath) : item.storedName;
        const std::string unsafe = UnsafeNameReason(w.name);
        if (!unsafe.empty()) throw EZipError("Cannot store \"" + w.name + "\": " + unsafe);
        w.internalAttributes = item.text.value_or(SameText(ExtractFileExt(w.name), ".txt")) ? 1 : 0;
        w.stamp = options.fixedTime ? *options.fixedTime : FileStamp(item.sourcePath);
        w.offset = Checked32(out.Position(), "The archive");

        TFileStream in(item.sourcePath, FileMode::OpenRead);
        WriteLocalHeader(out, w);  // sizes and CRC patched below
        DeflateFile(in, out, w);
        const std::int64_t end = out.Position();
        out.SetPosition(w.offset);
        WriteLocalHeader(out, w);
        out.SetPosition(end);
        written.push_back(std::move(w));
    }

    const std::uint32_t directoryOffset = Checked32(out.Position(), "The archive");
    for (const Written& w : written) WriteCentralHeader(out, w);
    const std::uint32_t directorySize = Checked32(out.Position() - directoryOffset, "The central directory");
    Checked32(out.Position() + static_cast<std::int64_t>(EndRecordSize), "The archive");

    std::uint8_t e[EndRecordSize] = {};
    Put32(e + endrec::Signature, EndRecordSignature);
    Put16(e + endrec::EntriesOnDisk, static_cast<std::uint16_t>(written.size()));
    Put16(e + endrec::EntriesTotal, static_cast<std::uint16_t>(written.size()));
    Put32(e + endrec::DirectorySize, directorySize);
    Put32(e + endrec::DirectoryOffset, directoryOffset);
    out.WriteBuffer(e, sizeof e);
}

}  // namespace

void WriteZipArchive(const std::string& archivePath, const std::vector<ZipWriteItem>& items,
                     const ZipWriteOptions& options) {
    try {
        TFileStream out(archivePath, FileMode::Create);
        WriteArchive(out, items, options);
    } catch (...) {
        DeleteFileAt(archivePath);
        throw;
    }
}

std::optional<DosStamp> SourceDateEpochStamp() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (!epoch || !*epoch) return std::nullopt;
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (*end != '\0' || seconds < 0) throw EZipError(std::string("Bad SOURCE_DATE_EPOCH \"") + epoch + "\"");
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm t{};
#ifdef _WIN32
    if (gmtime_s(&t, &when) != 0) throw EZipError("Bad SOURCE_DATE_EPOCH");
#else
    if (!gmtime_r(&when, &t)) throw EZipError("Bad SOURCE_DATE_EPOCH");
#endif
    return StampOf(t);
}

}  // namespace bvt::zip
