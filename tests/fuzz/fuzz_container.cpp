// Arbitrary bytes as a "PMCS10" container, expanded into a memory stream.
#include <cstddef>
#include <cstdint>

#include "CompressStream.h"
#include "Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bvt::TReadOnlyMemoryStream source(data, size);
    bvt::TMemoryStream dest;
    try {
        bvt::TCompressStream().ExpandStream(source, dest);
    } catch (const bvt::Exception&) {
    }
    return 0;
}
