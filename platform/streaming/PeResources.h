// A portable reader of the RCDATA resources of a Windows program file, so
// that host tools can find the window descriptions linked into a built
// program. Works on the file's bytes; never reads outside them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bvt {

struct PeResource {
    std::string name;     // as stored (resource compilers store names in capitals); "#N" for numeric ids
    std::size_t offset;   // of the data in the file
    std::size_t size;
};

// True when the bytes start like a Windows program ("MZ").
bool LooksLikePeFile(const void* data, std::size_t size);

// The RCDATA resources (first language of each name), in directory order.
// Throws EDescriptionError for a file that is not a Windows program or whose
// resource directory is damaged.
std::vector<PeResource> FindRcDataResources(const void* data, std::size_t size);

}  // namespace bvt
