// Folders, files and archives for the Windows tests of the archive component.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bvt::wintest {

// A fresh folder under the system's temporary folder, emptied and removed by
// the destructor (it holds files only).
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    std::vector<std::string> Files() const;  // sorted names

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);

// The folder of the running test program, without a trailing backslash.
std::string ProgramFolder();
// The engine variant "real", "old" or "noversion" built next to the program.
std::string EngineVariant(const std::string& variant);

// The payload-like archive used by the tests: three entries, one of them a
// text file with CR LF line ends. Returns the path of the archive.
struct SampleArchive {
    std::string path;
    std::vector<std::pair<std::string, std::string>> entries;  // name, content
};
SampleArchive MakeSampleArchive(const TempFolder& folder);

}  // namespace bvt::wintest
