// The central directory reader and the entry inflater on arbitrary bytes:
// never a read outside the input, never more output than declared.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ZipDirectory.h"
#include "ZipEntryReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bvt::zip;
    MemoryArchive archive(data, size);
    ZipDirectory directory;
    try {
        directory = ReadZipDirectory(archive.Source());
    } catch (const EZipError&) {
        return 0;
    }
    static std::vector<std::uint8_t> buffer(64 * 1024);
    for (const ZipEntry& entry : directory.entries) {
        if (entry.dataOffset + entry.compressedSize > size) std::abort();  // validated bounds must hold
        if (!entry.unsupported.empty()) continue;
        ZipEntryReader reader(archive.Source(), entry);
        std::uint64_t total = 0;
        for (;;) {
            const ZipChunk chunk = reader.Read(buffer.data(), buffer.size());
            total += chunk.size;
            if (total > entry.uncompressedSize) std::abort();
            if (chunk.verdict != ZipVerdict::Pending) break;
            if (chunk.size == 0) std::abort();  // no progress without a verdict
        }
    }
    return 0;
}
