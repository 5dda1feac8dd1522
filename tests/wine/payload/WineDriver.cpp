#include "WineDriver.h"

#include <fstream>
#include <stdexcept>

namespace payloadtest {

std::string WindowsPathOf(const std::string& linuxPath) {
    std::string path = "Z:" + linuxPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string TempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("GetTempPathA failed");
    return std::string(buffer, length);
}

Process::Process(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
        throw std::runtime_error("cannot start " + commandLine + ": error " + std::to_string(GetLastError()));
}

Process::~Process() {
    if (info_.hProcess != nullptr) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

DWORD Process::Wait() {
    if (WaitForSingleObject(info_.hProcess, 60000) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

namespace {

struct Search {
    DWORD processId;  // 0: any process
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((search->processId != 0 && owner != search->processId) || !IsWindowVisible(window)) return TRUE;
    char className[256] = {};
    GetClassNameA(window, className, sizeof className);
    if (search->className.empty() || search->className == className) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOf(DWORD processId, const std::string& className) {
    Search search{processId, className, {}};
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const std::string& className, const std::string& caption) {
    for (int attempt = 0; attempt < 400; ++attempt) {
        for (HWND window : WindowsOf(processId, className))
            if (WindowText(window) == caption) return window;
        Sleep(50);
    }
    return nullptr;
}

HWND WaitForAnyWindow(const std::string& caption) { return WaitForWindow(0, "", caption); }

std::string WindowText(HWND window) {
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::string MessageBoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    return text == nullptr ? std::string() : WindowText(text);
}

void Answer(HWND box, int button) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    for (int attempt = 0; attempt < 400 && IsWindow(box) && IsWindowVisible(box); ++attempt) Sleep(50);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + path);
}

void CopyFileOrThrow(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + from + " to " + to + ": error " + std::to_string(GetLastError()));
}

}  // namespace payloadtest
