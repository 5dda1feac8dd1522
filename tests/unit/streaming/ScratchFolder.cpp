#include "ScratchFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace bvt::test {

ScratchFolder::ScratchFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/bvt-streaming-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
    if (const char* old = std::getenv("TMPDIR")) {
        hadTmp_ = true;
        oldTmp_ = old;
    }
    setenv("TMPDIR", path_.c_str(), 1);
}

ScratchFolder::~ScratchFolder() {
    if (hadTmp_) setenv("TMPDIR", oldTmp_.c_str(), 1);
    else unsetenv("TMPDIR");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const std::string path = path_ + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::vector<std::string> ScratchFolder::Files(const std::string& prefix) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0) names.push_back(name);
    }
    return names;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Text-like bytes that compress, with some noise.
std::vector<std::uint8_t> SampleBytes(std::size_t size, unsigned seed) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t x = seed * 2654435761u + 1;
    for (std::size_t i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = (x >> 24) % 5 == 0 ? static_cast<std::uint8_t>(x >> 16) : static_cast<std::uint8_t>("setup files "[i % 12]);
    }
    return bytes;
}

}  // namespace bvt::test
