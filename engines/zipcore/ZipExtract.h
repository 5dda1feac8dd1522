// Extraction of every entry of an archive with the installer's rules: flat
// under the bare name in the base folder, existing files replaced, byte for
// byte, unsafe names refused, each file verified before it replaces its
// target. Memory stays bounded by fixed buffers whatever the archive size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ZipDirectory.h"

namespace bvt::zip {

struct ZipEntryFailure {
    std::string name;     // as stored
    std::string reason;
};

// What one extraction achieved.
struct ZipOutcome {
    std::size_t entries = 0;          // entries in the archive
    std::size_t filesWritten = 0;     // written (or, when testing, verified)
    std::size_t directoriesSkipped = 0;
    bool stopped = false;             // the observer ended the run early
    std::vector<ZipEntryFailure> failures;
    std::string firstError;           // first failure as "name: reason"

    // Every file entry of the archive was written and verified.
    bool Succeeded() const {
        return !stopped && firstError.empty() && failures.empty() && filesWritten + directoriesSkipped == entries;
    }
};

struct ZipExtractOptions {
    bool keepTimes = true;   // give files the archive's modification times
    bool testOnly = false;   // verify every entry, write nothing
    bool overwrite = true;   // replace existing files; otherwise keep them and record the entry as failed
};

// Told about the run as it goes; every method may be left as is.
class ZipExtractObserver {
public:
    virtual ~ZipExtractObserver() = default;
    virtual void EntryBegins(const ZipEntry&, const std::string& /*target*/) {}
    virtual void Progress(std::uint64_t /*bytes*/) {}
    virtual void EntryFailed(const ZipEntryFailure&) {}
    // A condition that does not stop the run (a wrong directory offset).
    virtual void Warning(const std::string& /*text*/) {}
    // Asked before each entry: true ends the run there.
    virtual bool StopRequested() { return false; }
    virtual void BatchEnds(const ZipOutcome&) {}
};

// Extracts (or tests) every entry of a directory read from source. Entry
// failures are recorded in the outcome; nothing here throws for them.
ZipOutcome ExtractAll(const ZipSource& source, const ZipDirectory& directory, const std::string& baseFolder,
                      const ZipExtractOptions& options, ZipExtractObserver* observer = nullptr);

// Opens, reads and extracts an archive file; an archive that cannot be
// read becomes an outcome with firstError set and no entries.
ZipOutcome ExtractArchiveFile(const std::string& archivePath, const std::string& baseFolder,
                              const ZipExtractOptions& options, ZipExtractObserver* observer = nullptr);

}  // namespace bvt::zip
