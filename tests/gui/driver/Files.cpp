#include "Files.h"

#include <windows.h>

#include <stdexcept>

namespace bvt::gui {

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string result = "Z:" + path;
    for (char& c : result) {
        if (c == '/') c = '\\';
    }
    return result;
}

std::string TempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(sizeof buffer, buffer);
    return std::string(buffer, n <= MAX_PATH ? n : 0);
}

std::vector<std::string> EmbeddedTempFiles() {
    std::vector<std::string> names;
    for (const char* pattern : {"~fs*.dll", "~fs*.zip"}) {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((TempFolder() + pattern).c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            names.emplace_back(data.cFileName);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    return names;
}

bool FileExists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("opening " + path + " failed");
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("creating " + path + " failed");
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) throw std::runtime_error("writing " + path + " failed");
}

void CopyOneFile(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        throw std::runtime_error("copying " + from + " to " + to + " failed: error " +
                                 std::to_string(GetLastError()));
    }
}

void MakeFolders(const std::string& path) {
    for (size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            const std::string part = path.substr(0, i);
            if (!FolderExists(part) && !CreateDirectoryA(part.c_str(), nullptr)) {
                throw std::runtime_error("creating folder " + part + " failed");
            }
        }
    }
}

void TouchFolderChain(const std::string& path) {
    for (size_t i = 2; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            WIN32_FIND_DATAA data;
            HANDLE find = FindFirstFileA((path.substr(0, i) + "\\*").c_str(), &data);
            if (find == INVALID_HANDLE_VALUE) continue;
            while (FindNextFileA(find, &data)) {
            }
            FindClose(find);
        }
    }
}

}  // namespace bvt::gui
