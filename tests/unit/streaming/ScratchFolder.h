// A fresh folder for one test, made the temporary folder ($TMPDIR) while the
// test runs, so restored files can be counted and nothing leaks into /tmp.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bvt::test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }  // ends with '/'
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    // Names of the files in the folder whose name starts with prefix.
    std::vector<std::string> Files(const std::string& prefix) const;

private:
    std::string path_;
    std::string oldTmp_;
    bool hadTmp_ = false;
};

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
std::vector<std::uint8_t> SampleBytes(std::size_t size, unsigned seed);

}  // namespace bvt::test
