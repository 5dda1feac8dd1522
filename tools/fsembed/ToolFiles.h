// Whole-file input and output of fsembed, and the descriptions inside an
// input file (a binary description, or a Windows program's resources).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bvt::fsembed {

std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

struct DescriptionBytes {
    std::string resourceName;  // empty for a description file
    std::vector<std::uint8_t> bytes;
};

// One binary description file, or every RCDATA resource of a Windows program
// that holds a window description. Throws for anything else.
std::vector<DescriptionBytes> LoadDescriptions(const std::string& path);

}  // namespace bvt::fsembed
