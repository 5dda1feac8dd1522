// Scratch folders, files and external tools for the archive tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bvt::ziptest {

// A fresh folder below the system's temporary folder, removed with its
// contents by the destructor.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // Names of the entries of a folder (sorted), "" = this folder.
    std::vector<std::string> List(const std::string& sub = "") const;

private:
    std::string path_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);
std::vector<std::uint8_t> Bytes(const std::string& text);
// Deterministic mixed content: compressible text runs and noise.
std::vector<std::uint8_t> SampleContent(std::size_t size, unsigned seed);

// Runs a shell command in `folder`; returns its exit status.
int Shell(const std::string& folder, const std::string& command);

// Patches a little-endian field of a byte vector.
void Patch16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v);
void Patch32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v);
// Offset of the first occurrence of a 4-byte signature at or after `from`.
std::size_t FindSignature(const std::vector<std::uint8_t>& b, std::uint32_t signature, std::size_t from = 0);

}  // namespace bvt::ziptest
