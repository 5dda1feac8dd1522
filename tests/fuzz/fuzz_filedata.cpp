// Arbitrary "FileData" bytes restored by a TFileSource: the first byte picks
// the compressed (odd) or stored (even) form, the rest is the property's
// content. Temporary files go to a scratch folder and are deleted by the
// component after every run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "FileSrc.h"
#include "FileStream.h"
#include "Streams.h"

namespace {
char scratch[] = "/tmp/fuzz_filedata_XXXXXX";
void RemoveScratch() { rmdir(scratch); }
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!mkdtemp(scratch)) std::abort();
    setenv("TMPDIR", scratch, 1);
    std::atexit(RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string temp;
    {
        bvt::TFileSource fs(nullptr);
        fs.SetCompress(data[0] & 1);
        fs.SetExtension(".bin");
        bvt::TReadOnlyMemoryStream stream(data + 1, size - 1);
        try {
            fs.ReadFileData(stream);
        } catch (const bvt::Exception&) {
        }
        temp = fs.FileName();
    }
    if (!temp.empty() && bvt::FileExists(temp)) __builtin_trap();
    return 0;
}
