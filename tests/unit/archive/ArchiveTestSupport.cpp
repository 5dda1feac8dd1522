#include "ArchiveTestSupport.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace bvt::ziptest {

ScratchDir::ScratchDir() {
    std::string pattern = "/tmp/bvt_archive_XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    const std::string command = "rm -rf '" + path_ + "'";
    if (std::system(command.c_str()) != 0) return;
}

std::vector<std::string> ScratchDir::List(const std::string& sub) const {
    std::vector<std::string> names;
    DIR* dir = opendir(sub.empty() ? path_.c_str() : (path_ + "/" + sub).c_str());
    if (!dir) return names;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteText(const std::string& path, const std::string& text) { WriteBytes(path, Bytes(text)); }

std::vector<std::uint8_t> Bytes(const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); }

std::vector<std::uint8_t> SampleContent(std::size_t size, unsigned seed) {
    std::vector<std::uint8_t> out(size);
    std::uint32_t x = 2463534242u ^ seed;
    for (std::size_t i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        out[i] = (i / 512) % 2 ? static_cast<std::uint8_t>(x) : static_cast<std::uint8_t>("line of text\r\n"[i % 14]);
    }
    return out;
}

int Shell(const std::string& folder, const std::string& command) {
    const std::string full = "cd '" + folder + "' && ( " + command + " ) >/dev/null 2>&1";
    const int status = std::system(full.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Patch16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    b.at(at) = static_cast<std::uint8_t>(v);
    b.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void Patch32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    Patch16(b, at, static_cast<std::uint16_t>(v));
    Patch16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

std::size_t FindSignature(const std::vector<std::uint8_t>& b, std::uint32_t signature, std::size_t from) {
    for (std::size_t i = from; i + 4 <= b.size(); ++i)
        if ((b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (static_cast<std::uint32_t>(b[i + 3]) << 24)) == signature)
            return i;
    throw std::runtime_error("signature not found");
}

}  // namespace bvt::ziptest
