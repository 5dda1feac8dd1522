// Conversion between the text form and the binary form of window
// descriptions, as the host tool does it at build time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "TextDescription.h"

namespace bvt {

// Compiles a text description. Objects whose class is registered in this
// program are instantiated from their text properties and written back by
// the component itself (so a TFileSource embeds its file); all other objects
// pass through as written. Relative file names (a FileName property, raw
// data written as @'file') are looked for in searchPaths, in order.
std::vector<std::uint8_t> CompileText(const std::string& text, const std::vector<std::string>& searchPaths);

// The text form of a binary description.
std::string DecompileToText(const void* data, std::size_t size, RawDataStyle style = RawDataStyle::Hex);

}  // namespace bvt
