// The program entry of BrivantaSetup.exe.
#include <windows.h>
#include <commctrl.h>

#include "Application.h"
#include "ExitCodes.h"
#include "FBrowse.h"
#include "FileSrc.h"
#include "Form.h"
#include "GuiClasses.h"
#include "LibraryLoading.h"
#include "Screen.h"
#include "ZipHost.h"
#include "ZipMaster.h"
#include "fsplash.h"
#include "setup_main.h"

namespace {

void RegisterClasses() {
    bvt::RegisterGuiClasses();
    bvt::RegisterFileStoreClasses();
    bvt::RegisterArchiveClasses();
    bvt::RegisterFolderBrowseClass();
    bvt::RegisterSplashClass();
    bvt::RegisterMainFormClass();
}

// The archive component reports through the application: its title, its
// main window, its message pump and the hourglass.
void ConnectArchiveComponent() {
    bvt::ZipHost host;
    host.title = [] { return bvt::Application.Title(); };
    host.processMessages = [] { bvt::Application.ProcessMessages(); };
    host.ownerWindow = [] { return bvt::Application.MainWindow(); };
    host.hourglass = [](bool on) {
        static bvt::TCursor saved = bvt::crDefault;
        static int depth = 0;
        if (on && depth++ == 0) {
            saved = bvt::Screen.Cursor();
            bvt::Screen.SetCursor(bvt::crHourGlass);
        } else if (!on && depth > 0 && --depth == 0) {
            bvt::Screen.SetCursor(saved);
        }
    };
    bvt::SetZipHost(host);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Libraries load from the system folder only, never from the folder the
    // installer was started from (a planted DLL there would run with the
    // installer's rights).
    bvt::HardenLibraryLoading();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    try {
        RegisterClasses();
        ConnectArchiveComponent();
        bvt::ShowSplash();
        bvt::Application.SetTitle("Brivanta Setup");
        bvt::TForm1* Form1 = nullptr;
        bvt::Application.CreateForm(Form1);
    } catch (const std::exception& e) {
        bvt::RemoveSplash();
        bvt::TApplication::ShowStartupError(e);
        return bvt::ExitStartupFailed;
    }
    return bvt::Application.Run();
}
