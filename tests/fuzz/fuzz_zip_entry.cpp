// Extraction of every entry of arbitrary bytes into a scratch folder: only
// plain, safe names appear there, no temporary file stays behind, and the
// folder is emptied after each run.
#include <dirent.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ZipExtract.h"
#include "ZipNames.h"

namespace {

// The scratch folder, removed (empty by then) when the fuzzer exits.
struct ScratchFolder {
    std::string path;
    ScratchFolder() {
        std::string pattern = "/tmp/fuzz_zip_entry_XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
    }
    ~ScratchFolder() { rmdir(path.c_str()); }
};

const std::string& Scratch() {
    static const ScratchFolder folder;
    return folder.path;
}

// Checks and empties the scratch folder; returns the number of files.
std::size_t CheckAndClean() {
    std::size_t files = 0;
    DIR* dir = opendir(Scratch().c_str());
    if (!dir) std::abort();
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (!bvt::zip::UnsafeNameReason(name).empty()) std::abort();
        if (name.rfind("~bvz", 0) == 0) std::abort();  // a temporary file left behind
        if (unlink((Scratch() + "/" + name).c_str()) != 0) std::abort();  // a folder would fail here
        ++files;
    }
    closedir(dir);
    return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bvt::zip;
    MemoryArchive archive(data, size);
    ZipOutcome outcome;
    try {
        const ZipDirectory directory = ReadZipDirectory(archive.Source());
        ZipExtractOptions options;
        options.keepTimes = false;
        outcome = ExtractAll(archive.Source(), directory, Scratch(), options);
    } catch (const EZipError&) {
    }
    const std::size_t files = CheckAndClean();
    if (files > outcome.filesWritten) std::abort();
    return 0;
}
