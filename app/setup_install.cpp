// The install sequence of the main window (b_InstallClick).
#include <windows.h>
#include <shellapi.h>

#include "Application.h"
#include "CommandLine.h"
#include "Dialogs.h"
#include "ExitCodes.h"
#include "ForceDirectories.h"
#include "InstallRules.h"
#include "Screen.h"
#include "install.h"
#include "setup_main.h"

namespace bvt {

namespace {

// A failed step, described in full by this code.
class EInstallStep : public Exception {
public:
    using Exception::Exception;
};

// What failed, for an exception raised by a routine of another subsystem.
std::string StepFailure(int step, const std::string& folder, const std::string& reason) {
    switch (step) {
    case ExitFolderNotCreated: return "the folder \"" + folder + "\" could not be created (" + reason + ")";
    case ExitLibraryNotCopied: return "a library could not be copied into \"" + folder + "\" (" + reason + ")";
    case ExitExtractionFailed: return "the application files could not be extracted (" + reason + ")";
    default: return "the registration could not be written (" + reason + ")";
    }
}

}  // namespace

void TForm1::b_InstallClick(TComponent*) {
    if (installing_) return;
    installing_ = true;
    // The folder is read once; the window takes no input until the end.
    const std::string folder = e_Dir->Text();
    Screen.SetCursor(crHourGlass);
    EnableWindow(Handle(), FALSE);
    SetHeight(Height() + progress->Height());
    progress->SetVisible(true);
    progress->SetPosition(5);
    int step = ExitFolderNotCreated;
    try {
        InstallInto(folder, step);
    } catch (const EInstallStep& e) {
        Failed(step, e.what());
        return;
    } catch (const std::exception& e) {
        Failed(step, StepFailure(step, folder, e.what()));
        return;
    }
    Completed(folder);
}

void TForm1::InstallInto(const std::string& folder, int& step) {
    step = ExitFolderNotCreated;
    if (!ForceDirectories(folder)) throw EInstallStep("the folder \"" + folder + "\" could not be created");
    progress->SetPosition(10);

    step = ExitLibraryNotCopied;
    CopyLibrary(*fs_zipdll, folder, "zipdll.dll");
    progress->SetPosition(20);
    CopyLibrary(*fs_unzdll, folder, "unzdll.dll");
    progress->SetPosition(60);

    step = ExitExtractionFailed;
    Zip->SetDLLDirectory(folder);
    Zip->SetZipFileName(fs_zip->FileName());
    Zip->SetExtrBaseDir(folder);
    Zip->Extract();
    const TZipOutcome& outcome = Zip->Outcome();
    if (!outcome.succeeded)
        throw EInstallStep("the application files could not be extracted into \"" + folder + "\"" +
                        (outcome.firstError.empty() ? std::string() : " (" + outcome.firstError + ")"));
    progress->SetPosition(70);

    step = ExitRegistrationFailed;
    RegisterApplication(folder, chb_Associate->Checked(), chb_StartMenu->Checked(), chb_Desktop->Checked());
    progress->SetPosition(100);
}

void TForm1::CopyLibrary(const TFileSource& source, const std::string& folder, const std::string& name) {
    const std::string from = source.FileName();
    const std::string to = PathInFolder(folder, name);
    if (from.empty()) throw EInstallStep(name + " could not be copied into \"" + folder + "\" (its temporary file is missing)");
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        throw EInstallStep(name + " could not be copied into \"" + folder + "\" (" + LastSystemErrorText() + ")");
}

void TForm1::Completed(const std::string& folder) {
    Screen.SetCursor(crDefault);
    Hide();
    MessageDlg("Brivanta installed.", mtInformation, mbOK, 0);
    const std::string parameter = LaunchParameter(folder, ParamList());
    if (chb_Run->Checked()) {
        // By full path: a bare name would be looked for in the current folder first.
        const std::string program = PathInFolder(folder, "Brivanta.exe");
        ShellExecuteA(nullptr, "open", program.c_str(), parameter.c_str(), folder.c_str(), SW_SHOW);
    }
    installing_ = false;
    Close();
}

void TForm1::Failed(int exitCode, const std::string& what) {
    Screen.SetCursor(crDefault);
    std::string text = what;
    while (!text.empty() && text.back() == '.') text.pop_back();
    MessageBoxA(Handle(), ("Brivanta could not be installed: " + text + ".").c_str(), Application.Title().c_str(),
                MB_OK | MB_ICONERROR);
    Application.SetExitCode(exitCode);
    installing_ = false;
    Close();
}

}  // namespace bvt
