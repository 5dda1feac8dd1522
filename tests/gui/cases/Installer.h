// The installer under test, driven through its windows: start-up, the main
// window's controls (found by class and caption), and the dialogs it opens.
#pragma once

#include "Process.h"
#include "Window.h"

#include <memory>
#include <string>
#include <vector>

namespace bvt::gui {

constexpr const char* MainCaption = "Brivanta One Step Install";
constexpr const char* AppTitle = "Brivanta Setup";
constexpr const char* WorkFolder = "C:\\work";  // working folder with readme.txt

// C:\work with a copy of the readme.txt that lies next to the installer.
void PrepareWorkFolder();

class Installer {
public:
    // Starts the installer (InstallerPath() unless `exe` is given) with
    // `args` in `workDir`.
    explicit Installer(const std::string& args = "", const std::string& workDir = WorkFolder,
                       const std::string& exe = "");

    Process& process() { return *process_; }
    DWORD Pid() const { return process_->Id(); }
    DWORD Tid() const { return process_->MainThreadId(); }

    // Waits until the main window is shown and b_ReadMe has the focus;
    // then the controls below can be used. Returns false on timeout.
    bool WaitForMainWindow();

    Window main, dir, readMe, install, cancel, browse;
    Window associate, startMenu, desktop, run, progress, groupBox;

    // Sets a check box to `checked` by clicking it if needed.
    bool SetChecked(const Window& box, bool checked);
    // Presses Cancel and waits for the end; returns the exit code
    // (STILL_ACTIVE on timeout).
    DWORD CancelAndWait();
    DWORD WaitForExit();

private:
    std::unique_ptr<Process> process_;
};

// The visible splash window of `pid` (captioned with the application
// title, not a message box), or an empty Window.
Window FindSplash(DWORD pid);
// Starts the installer (up to five times, should the short-lived splash
// be missed) and suspends it while its splash is visible; with
// `duringCreation`, only while the main window is being created (its
// temporary files being written, or its window existing but hidden).
// Returns the splash, or an empty Window (installer running) on failure.
Window StartAndCatchSplash(std::unique_ptr<Installer>& app, bool duringCreation);
// Processes named `exeName` (case-insensitive), e.g. "Brivanta.exe".
std::vector<DWORD> ProcessesNamed(const std::string& exeName);
// Waits for a visible top-level window of `pid` and returns it.
Window WaitForAnyWindowOf(DWORD pid);

}  // namespace bvt::gui
