// fsembed ziplist ARCHIVE      lists and tests every entry
// fsembed unzip ARCHIVE DIR    extracts with the installer's rules
// Both exit with 1 when anything is damaged or could not be written.
#include <cstdio>

#include "Command.h"
#include "ZipExtract.h"

namespace bvt::fsembed {

namespace {

class ListObserver : public zip::ZipExtractObserver {
public:
    void EntryFailed(const zip::ZipEntryFailure& failure) override {
        std::fprintf(stderr, "%s: %s\n", failure.name.c_str(), failure.reason.c_str());
    }
};

void PrintEntry(const zip::ZipEntry& e) {
    std::printf("%10u %10u %-8s %04u-%02u-%02u %02u:%02u:%02u %08x  %s\n", e.uncompressedSize, e.compressedSize,
                e.method == 8 ? "deflate" : e.method == 0 ? "stored" : "other", 1980u + (e.dosDate >> 9),
                (e.dosDate >> 5) & 15u, e.dosDate & 31u, e.dosTime >> 11u, (e.dosTime >> 5) & 63u,
                (e.dosTime & 31u) * 2, e.crc32, e.name.c_str());
}

int Run(const std::string& archivePath, const std::string* folder) {
    zip::FileArchive archive(archivePath);
    const zip::ZipSource source = archive.Source();
    const zip::ZipDirectory directory = zip::ReadZipDirectory(source);
    if (directory.offsetMismatch) std::fprintf(stderr, "warning: %s\n", OffsetMismatchWarning(directory).c_str());

    zip::ZipExtractOptions options;
    options.testOnly = folder == nullptr;
    if (options.testOnly)
        for (const zip::ZipEntry& e : directory.entries) PrintEntry(e);
    ListObserver observer;
    const zip::ZipOutcome outcome = ExtractAll(source, directory, folder ? *folder : std::string(), options, &observer);
    std::printf("%zu entries, %zu files %s, %zu failed\n", outcome.entries, outcome.filesWritten,
                options.testOnly ? "verified" : "written", outcome.failures.size());
    const bool damaged = options.testOnly && directory.offsetMismatch;
    return outcome.Succeeded() && !damaged ? 0 : 1;
}

int RunZipList(const Arguments& args) {
    RequireArgumentCount(args, 1, 1);
    return Run(args[0], nullptr);
}

int RunUnzip(const Arguments& args) {
    RequireArgumentCount(args, 2, 2);
    return Run(args[0], &args[1]);
}

const CommandRegistrar listRegistrar{{"ziplist", "ARCHIVE", "list and test every entry of an archive", RunZipList}};
const CommandRegistrar unzipRegistrar{
    {"unzip", "ARCHIVE DIR", "extract every entry flat into DIR (unsafe names refused)", RunUnzip}};

}  // namespace

}  // namespace bvt::fsembed
