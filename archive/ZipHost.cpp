#include "ZipHost.h"

namespace bvt {

namespace {

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void DefaultBox(const std::string& text) {
    const ZipHost& host = CurrentZipHost();
    const HWND owner = host.ownerWindow();
    MessageBoxA(owner, text.c_str(), host.title().c_str(), MB_OK | (owner ? 0 : MB_TASKMODAL));
}

ZipHost& Hooks() {
    static ZipHost host{
        [] { return std::string(); },
        PumpMessages,
        [] { return GetActiveWindow(); },
        [](bool busy) { SetCursor(LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW)); },
        DefaultBox,
    };
    return host;
}

}  // namespace

void SetZipHost(const ZipHost& host) {
    ZipHost& current = Hooks();
    if (host.title) current.title = host.title;
    if (host.processMessages) current.processMessages = host.processMessages;
    if (host.ownerWindow) current.ownerWindow = host.ownerWindow;
    if (host.hourglass) current.hourglass = host.hourglass;
    if (host.messageBox) current.messageBox = host.messageBox;
}

const ZipHost& CurrentZipHost() { return Hooks(); }

void ShowZipMessageBox(const std::string& text) { DefaultBox(text); }

}  // namespace bvt
