#include "ArchiveWinSupport.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "ZipWriter.h"

namespace bvt::wintest {

namespace {
int folderCounter = 0;
}

TempFolder::TempFolder() {
    char temp[MAX_PATH];
    if (!GetTempPathA(MAX_PATH, temp)) throw std::runtime_error("GetTempPathA failed");
    for (;;) {
        path_ = std::string(temp) + "bvtzip" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(folderCounter++);
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
    }
}

TempFolder::~TempFolder() {
    for (const std::string& name : Files()) DeleteFileA((*this / name).c_str());
    RemoveDirectoryA(path_.c_str());
}

std::vector<std::string> TempFolder::Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string EngineVariant(const std::string& variant) { return ProgramFolder() + "\\engines\\" + variant + "\\unzdll.dll"; }

SampleArchive MakeSampleArchive(const TempFolder& folder) {
    SampleArchive a;
    std::string big;
    for (int i = 0; i < 20000; ++i) big += "row " + std::to_string(i * 7919 % 10007) + "\n";
    a.entries = {{"uninstall.exe", std::string("MZ\x90\0\3\0\0\0", 8) + big},
                 {"readme.txt", "Brivanta\r\nread me\r\n"},
                 {"Brivanta.exe", std::string("MZ") + big.substr(100)}};
    std::vector<zip::ZipWriteItem> items;
    for (const auto& [name, content] : a.entries) {
        WriteFile(folder / ("src_" + name), content);
        items.push_back(zip::ZipWriteItem{folder / ("src_" + name), name, {}});
    }
    a.path = folder / "payload.zip";
    zip::ZipWriteOptions options;
    options.fixedTime = zip::MakeDosStamp(2024, 1, 2, 3, 4, 6);
    zip::WriteZipArchive(a.path, items, options);
    for (const auto& entry : a.entries) DeleteFileA((folder / ("src_" + entry.first)).c_str());
    return a;
}

}  // namespace bvt::wintest
