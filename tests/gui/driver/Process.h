// A program started by a test: its process and main thread, its exit code.
// A process still running when the object dies is terminated, so one failed
// test cannot leave windows behind for the next assertion.
#pragma once

#include <windows.h>

#include <string>

namespace bvt::gui {

class Process {
public:
    // Starts `exe` (a Windows path) with `args` appended to its quoted name,
    // in `workDir` (empty: the driver's own). Throws std::runtime_error.
    Process(const std::string& exe, const std::string& args, const std::string& workDir);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    DWORD MainThreadId() const { return info_.dwThreadId; }
    bool Running() const;
    // Waits for the end; returns false on timeout.
    bool WaitForExit(DWORD timeoutMs);
    // The exit code once ended; STILL_ACTIVE before.
    DWORD ExitCode() const;
    // Freezes / thaws the main thread (to look at a short-lived window).
    void Suspend();
    void Resume();

private:
    PROCESS_INFORMATION info_{};
    int suspended_ = 0;
};

// The command line another process was started with, read from its
// process parameters (as the process itself sees it in GetCommandLine);
// "" when it cannot be read.
std::string CommandLineOf(DWORD pid);

}  // namespace bvt::gui
