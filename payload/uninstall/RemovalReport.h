// What an uninstallation could not do, collected for one final report.
#pragma once

#include <string>
#include <vector>

namespace bvt {

struct RemovalReport {
    // One line per item that stays, with the reason ("C:\x\readme.txt: Access is denied.").
    std::vector<std::string> failures;
    // Items handed to the system for removal at the next restart.
    std::vector<std::string> pendingRestart;

    // Records a failure with the text of a Windows error code.
    void Fail(const std::string& item, unsigned long error);
};

// The system's text for a Windows error code, without its line break.
std::string SystemErrorText(unsigned long error);

// Exit codes of uninstall.exe.
enum UninstallExitCode : int {
    kRemoved = 0,           // everything was removed
    kCancelled = 1,         // the user answered No
    kNotAllRemoved = 2,     // at least one item could not be removed
    kRemovedAtRestart = 3,  // nothing failed, but some items go at the next restart
    kBadCommandLine = 4,    // an argument other than /S
};

}  // namespace bvt
