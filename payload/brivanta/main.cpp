// Brivanta: shows the ".bvt" document named on its command line.
#include <windows.h>

#include "DocumentWindow.h"
#include "LaunchArgument.h"
#include "LibraryLoading.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    bvt::HardenLibraryLoading();
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
