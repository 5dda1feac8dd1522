// Small helpers for driving Windows programs from a test: start a process,
// find its windows and message boxes, read and answer them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace payloadtest {

// A Linux path of the build tree as Wine shows it (drive Z: is "/").
std::string WindowsPathOf(const std::string& linuxPath);

std::string TempFolder();  // with a trailing backslash

class Process {
public:
    // Starts commandLine; throws std::runtime_error when it cannot.
    explicit Process(const std::string& commandLine);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    // Waits for the end (up to a minute) and returns the exit code, or
    // STILL_ACTIVE when it did not end.
    DWORD Wait();

private:
    PROCESS_INFORMATION info_{};
};

// Polls (up to 20 s) for a visible top-level window of the process with this
// class ("" for any) and caption; nullptr when none appears.
HWND WaitForWindow(DWORD processId, const std::string& className, const std::string& caption);

// Polls (up to 20 s) for a visible top-level window of any process with this
// caption; nullptr when none appears.
HWND WaitForAnyWindow(const std::string& caption);

// Visible top-level windows of the process right now.
std::vector<HWND> WindowsOf(DWORD processId, const std::string& className);

std::string WindowText(HWND window);
// The text of a message box (its static control 0xFFFF).
std::string MessageBoxText(HWND box);
// Presses a message-box button (IDOK, IDYES, IDNO ...) and waits (up to
// 20 s) until the box is gone.
void Answer(HWND box, int button);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
void CopyFileOrThrow(const std::string& from, const std::string& to);

}  // namespace payloadtest
