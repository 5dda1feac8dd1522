#include "Installer.h"

#include "Files.h"
#include "Input.h"
#include "TestEnv.h"
#include "Wait.h"

#include <windows.h>
#include <tlhelp32.h>

namespace bvt::gui {

void PrepareWorkFolder() {
    MakeFolders(WorkFolder);
    CopyOneFile(DistFolder() + "\\readme.txt", std::string(WorkFolder) + "\\readme.txt");
}

Installer::Installer(const std::string& args, const std::string& workDir, const std::string& exe)
    : process_(new Process(exe.empty() ? InstallerPath() : exe, args, workDir)) {}

bool Installer::WaitForMainWindow() {
    if (!WaitUntil([&] { return bool(main = FindTopLevel(Pid(), MainCaption)); })) return false;
    const auto button = [&](const char* text) { return main.ChildByText("Button", text); };
    readMe = button("View ReadMe ...");
    install = button("Install");
    cancel = button("Cancel");
    associate = button("Associate *.bvt files with Brivanta");
    startMenu = button("Include Brivanta in Start Menu");
    desktop = button("Include Brivanta on Desktop");
    run = button("Run Brivanta after installation");
    groupBox = button("Destination Folder");
    browse = main.FindDescendant([](const Window& w) { return w.Text() == "Browse ..."; });
    dir = main.FindDescendant([](const Window& w) { return w.ClassName() == "Edit"; });
    progress = main.FindDescendant([](const Window& w) { return w.ClassName() == "msctls_progress32"; });
    return WaitUntil([&] { return readMe && FocusOf(Tid()).Handle() == readMe.Handle(); });
}

bool Installer::SetChecked(const Window& box, bool checked) {
    if (box.Checked() != checked) Click(box);
    return WaitUntil([&] { return box.Checked() == checked; });
}

DWORD Installer::CancelAndWait() {
    Click(cancel);
    return WaitForExit();
}

DWORD Installer::WaitForExit() {
    process_->WaitForExit(DefaultTimeoutMs);
    return process_->ExitCode();
}

Window FindSplash(DWORD pid) {
    for (const Window& w : TopLevelWindows(pid)) {
        if (w.Visible() && w.ClassName() != "#32770" && w.CaptionText() == AppTitle) return w;
    }
    return Window();
}

namespace {

Window CatchSplash(Installer& app, bool duringCreation) {
    Window splash;
    const auto creating = [&] {
        return FindTopLevel(app.Pid(), MainCaption, "", false) || !EmbeddedTempFiles().empty();
    };
    WaitUntil([&] {
        splash = FindSplash(app.Pid());
        if (splash && (!duringCreation || creating())) return true;
        splash = Window();
        return bool(FindTopLevel(app.Pid(), MainCaption)) || !app.process().Running();
    }, DefaultTimeoutMs, 0);
    if (!splash) return Window();
    app.process().Suspend();
    if (splash.Visible() && !FindTopLevel(app.Pid(), MainCaption)) return splash;
    app.process().Resume();
    return Window();
}

}  // namespace

Window StartAndCatchSplash(std::unique_ptr<Installer>& app, bool duringCreation) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        app.reset(new Installer());
        if (Window splash = CatchSplash(*app, duringCreation)) return splash;
        if (app->WaitForMainWindow()) app->CancelAndWait();
    }
    return Window();
}

std::vector<DWORD> ProcessesNamed(const std::string& exeName) {
    std::vector<DWORD> pids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return pids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32First(snapshot, &entry); ok; ok = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0) pids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return pids;
}

Window WaitForAnyWindowOf(DWORD pid) {
    Window found;
    WaitUntil([&] {
        for (const Window& w : TopLevelWindows(pid)) {
            if (w.Visible() && !w.CaptionText().empty()) {
                found = w;
                return true;
            }
        }
        return false;
    });
    return found;
}

}  // namespace bvt::gui
