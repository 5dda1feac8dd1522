// The resource reader on arbitrary bytes: it must refuse the bytes with an
// exception or return resources that lie inside them.
#include <cstdint>
#include <cstdlib>

#include "ComponentStreaming.h"
#include "PeResources.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        for (const bvt::PeResource& r : bvt::FindRcDataResources(data, size))
            if (r.offset > size || r.size > size - r.offset) abort();
    } catch (const bvt::EDescriptionError&) {
    }
    return 0;
}
