// Helpers shared by the file-store tests: hex tables, generated inputs, real
// executables from the machine, and (ReferenceEncoder.h) a literal reference
// encoder against which the tuned one is compared.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "filestore/ReferenceEncoder.h"

namespace bvt::test {

using Bytes = std::vector<std::uint8_t>;

// "40 80 00" -> {0x40, 0x80, 0x00}; spaces are ignored.
Bytes Hex(const std::string& text);
std::string ToHex(const Bytes& bytes);
Bytes Repeat(const Bytes& unit, std::size_t times);
Bytes Text(const std::string& text);
// Deterministic pseudo-random bytes; `alphabet` < 256 makes them compressible.
Bytes Pseudo(std::size_t size, std::uint32_t seed, unsigned alphabet = 256);

// Real executables of at most 2 MB found on this machine (the mingw DLLs),
// in a fixed order; empty when none are installed.
std::vector<std::string> RealExecutables(std::size_t maxFiles);
Bytes ReadWholeFile(const std::string& path);

}  // namespace bvt::test
