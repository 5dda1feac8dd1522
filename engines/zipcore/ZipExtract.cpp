#include "ZipExtract.h"

#include <memory>

#include "FileStream.h"
#include "ZipEntryReader.h"
#include "ZipNames.h"
#include "ZipOutputFile.h"

namespace bvt::zip {

namespace {

constexpr std::size_t OutputBufferSize = 256 * 1024;

// Inflates one entry into sink (null: test only); returns the failure
// reason or an empty string.
std::string CopyEntry(const ZipSource& source, const ZipEntry& entry, std::uint8_t* buffer, ZipOutputFile* sink,
                      ZipExtractObserver* observer) {
    ZipEntryReader reader(source, entry);
    for (;;) {
        const ZipChunk chunk = reader.Read(buffer, OutputBufferSize);
        if (sink && chunk.size > 0) sink->Write(buffer, chunk.size);
        if (observer && chunk.size > 0) observer->Progress(chunk.size);
        if (chunk.verdict == ZipVerdict::Ok) return {};
        if (chunk.verdict != ZipVerdict::Pending) return VerdictText(chunk.verdict);
    }
}

std::string ExtractEntry(const ZipSource& source, const ZipEntry& entry, const std::string& baseFolder,
                         const ZipExtractOptions& options, std::uint8_t* buffer, ZipExtractObserver* observer) {
    if (!entry.unsupported.empty()) return entry.unsupported;
    const std::string bare = BareName(entry.name);
    const std::string unsafe = UnsafeNameReason(bare);
    if (!unsafe.empty()) return unsafe;
    const std::string target = JoinPath(baseFolder, bare);
    if (!options.testOnly && !options.overwrite && FileExists(target)) return "the file exists and is not replaced";
    if (observer) observer->EntryBegins(entry, options.testOnly ? std::string() : target);

    try {
        if (options.testOnly) return CopyEntry(source, entry, buffer, nullptr, observer);
        ZipOutputFile file(baseFolder);
        const std::string failure = CopyEntry(source, entry, buffer, &file, observer);
        if (!failure.empty()) return failure;  // the temporary file goes, the old target stays
        file.Commit(target, options.keepTimes ? entry.dosDate : 0, options.keepTimes ? entry.dosTime : 0);
        return {};
    } catch (const std::bad_alloc&) {
        return "not enough memory";
    } catch (const Exception& e) {
        return e.Message();
    }
}

}  // namespace

ZipOutcome ExtractAll(const ZipSource& source, const ZipDirectory& directory, const std::string& baseFolder,
                      const ZipExtractOptions& options, ZipExtractObserver* observer) {
    ZipOutcome outcome;
    outcome.entries = directory.entries.size();
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[OutputBufferSize]);
    for (const ZipEntry& entry : directory.entries) {
        if (observer && observer->StopRequested()) {
            outcome.stopped = true;
            if (outcome.firstError.empty()) outcome.firstError = "the extraction was stopped";
            break;
        }
        if (entry.isDirectory) {
            ++outcome.directoriesSkipped;
            continue;
        }
        const std::string failure = ExtractEntry(source, entry, baseFolder, options, buffer.get(), observer);
        if (failure.empty()) {
            ++outcome.filesWritten;
            continue;
        }
        outcome.failures.push_back(ZipEntryFailure{entry.name, failure});
        if (outcome.firstError.empty()) outcome.firstError = entry.name + ": " + failure;
        if (observer) observer->EntryFailed(outcome.failures.back());
    }
    if (observer) observer->BatchEnds(outcome);
    return outcome;
}

ZipOutcome ExtractArchiveFile(const std::string& archivePath, const std::string& baseFolder,
                              const ZipExtractOptions& options, ZipExtractObserver* observer) {
    ZipOutcome outcome;
    try {
        FileArchive archive(archivePath);
        const ZipSource source = archive.Source();
        const ZipDirectory directory = ReadZipDirectory(source);
        if (directory.offsetMismatch && observer) observer->Warning(OffsetMismatchWarning(directory));
        return ExtractAll(source, directory, baseFolder, options, observer);
    } catch (const std::bad_alloc&) {
        outcome.firstError = "Not enough memory to read " + archivePath;
    } catch (const Exception& e) {
        outcome.firstError = e.Message();
    }
    if (observer) observer->BatchEnds(outcome);
    return outcome;
}

}  // namespace bvt::zip
