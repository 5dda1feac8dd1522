// Whole-file input and output of fsembed, and the descriptions inside an
// input file (a binary description, or a Windows program's resources).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bvt {
class TStream;
}

namespace bvt::fsembed {

std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
// Creates `path` and lets `write` fill it; if anything fails, the file is
// deleted before the error goes on, so no half-written output is left behind.
void WriteOutputFile(const std::string& path, const std::function<void(TStream&)>& write);

struct DescriptionBytes {
    std::string resourceName;  // empty for a description file
    std::vector<std::uint8_t> bytes;
};

// One binary description file, or every RCDATA resource of a Windows program
// that holds a window description. Throws for anything else.
std::vector<DescriptionBytes> LoadDescriptions(const std::string& path);

}  // namespace bvt::fsembed
