// uninstall.exe: removes the Brivanta installation in its own folder.
//
//   uninstall.exe        asks for confirmation, removes, reports in a box
//   uninstall.exe /S     silent: no questions, no boxes; the exit code tells
//
// Exit codes: see UninstallExitCode in RemovalReport.h.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "LibraryLoading.h"
#include "RemovalReport.h"
#include "StringUtils.h"
#include "Uninstaller.h"

namespace {

constexpr char kCaption[] = "Brivanta Uninstall";

std::string OwnImagePath() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    return std::string(path, length);
}

std::string ReportText(const bvt::RemovalReport& report) {
    if (report.failures.empty() && report.pendingRestart.empty()) return "Brivanta was removed.";
    std::string text;
    if (!report.failures.empty()) {
        text = "Brivanta was removed, except for these items, which could not be removed:\r\n";
        for (const std::string& item : report.failures) text += "\r\n" + item;
        text += "\r\n";
    }
    if (!report.pendingRestart.empty()) {
        if (!text.empty()) text += "\r\n";
        text += "These items will be removed when Windows restarts:\r\n";
        for (const std::string& item : report.pendingRestart) text += "\r\n" + item;
    }
    return text;
}

int ExitCodeOf(const bvt::RemovalReport& report) {
    if (!report.failures.empty()) return bvt::kNotAllRemoved;
    if (!report.pendingRestart.empty()) return bvt::kRemovedAtRestart;
    return bvt::kRemoved;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    bvt::HardenLibraryLoading();
    bool silent = false;
    for (int i = 1; i < __argc; ++i) {
        if (bvt::SameText(__argv[i], "/S")) {
            silent = true;
        } else {
            MessageBoxA(nullptr, "Usage: uninstall.exe [/S]\r\n\r\n/S  remove without questions or messages",
                        kCaption, MB_OK | MB_ICONERROR);
            return bvt::kBadCommandLine;
        }
    }

    bvt::UninstallTarget target;
    target.ownImage = OwnImagePath();
    target.folder = bvt::ExtractFilePath(target.ownImage);
    if (target.folder.empty()) {
        if (!silent) MessageBoxA(nullptr, "The uninstaller cannot find its own folder.", kCaption, MB_OK | MB_ICONERROR);
        return bvt::kNotAllRemoved;
    }

    if (!silent) {
        const std::string question = "Do you want to remove Brivanta and all of its components from\r\n" +
                                     bvt::FolderWithoutSeparator(target.folder) + "?";
        if (MessageBoxA(nullptr, question.c_str(), kCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return bvt::kCancelled;
    }

    // The folder must not be anyone's working folder while it is removed,
    // this process's included.
    char temp[MAX_PATH + 1] = {};
    const DWORD tempLength = GetTempPathA(MAX_PATH, temp);
    if (tempLength != 0 && tempLength < MAX_PATH) SetCurrentDirectoryA(temp);

    const bvt::RemovalReport report = bvt::Uninstall(target);
    if (!silent) {
        const UINT icon = report.failures.empty() ? MB_ICONINFORMATION : MB_ICONWARNING;
        MessageBoxA(nullptr, ReportText(report).c_str(), kCaption, MB_OK | icon);
    }
    return ExitCodeOf(report);
}
