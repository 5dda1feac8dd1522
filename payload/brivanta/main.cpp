// Brivanta: shows the ".bvt" document named on its command line.
#include <windows.h>

#include "DocumentWindow.h"
#include "LaunchArgument.h"
#include "resource.h"

namespace {

// DLLs load from the system folder only, never from the program's or the
// document's folder. The call exists from Windows 7 (and with KB2533623);
// older systems go on without it.
void HardenLibraryLoading() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) return;
    auto set = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set != nullptr) set(0x00000800);  // LOAD_LIBRARY_SEARCH_SYSTEM32
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    HardenLibraryLoading();
    try {
        bvt::DocumentWindow window(instance);
        ShowWindow(window.Handle(), showCommand);
        UpdateWindow(window.Handle());
        const std::string document = bvt::DocumentArgument(GetCommandLineA());
        if (!document.empty()) window.OpenDocument(document);

        HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            if (accelerators != nullptr && TranslateAcceleratorA(window.Handle(), accelerators, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return static_cast<int>(message.wParam);
    } catch (const std::exception& failure) {
        MessageBoxA(nullptr, failure.what(), bvt::kProductName, MB_OK | MB_ICONERROR);
        return 1;
    }
}
