// One real message box: modal, the message, OK only, no icon, captioned
// with the application's title. A helper thread reads and closes it.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ArchiveWinSupport.h"
#include "ZipHost.h"
#include "ZipMaster.h"

using namespace bvt;
using namespace bvt::wintest;

namespace {

struct SeenBox {
    std::string text;
    int buttons = 0;
    bool icon = false;
};

// Waits for the box captioned `title`, records what it shows and presses OK.
SeenBox CloseBoxWhenItAppears(const char* title) {
    SeenBox seen;
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i) {
        box = FindWindowA("#32770", title);
        if (!box) Sleep(50);
    }
    if (!box) return seen;
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    seen.text = text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) ++seen.buttons;
        if (lstrcmpiA(cls, "Static") == 0 && IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0) != 0)
            seen.icon = true;
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return seen;
}

TEST(ZipMasterBox, TheMissingArchiveBoxIsARealModalBox) {
    static const char* const title = "Archive Box Test";
    ZipHost host;
    host.title = [] { return std::string(title); };
    host.messageBox = ShowZipMessageBox;
    host.ownerWindow = [] { return HWND(nullptr); };
    SetZipHost(host);

    TempFolder folder;
    TZipMaster zip(nullptr);
    zip.SetZipFileName(folder / "none.zip");
    SeenBox seen;
    std::thread closer([&] { seen = CloseBoxWhenItAppears(title); });
    zip.Extract();  // returns once the box is closed
    closer.join();

    EXPECT_EQ("Archive not found: " + folder / "none.zip", seen.text);
    EXPECT_EQ(1, seen.buttons);
    EXPECT_FALSE(seen.icon);
}

// The reader above must see an icon where there is one, or the check of
// the component's box proves nothing.
TEST(ZipMasterBox, TheBoxReaderSeesAnIconWhenThereIsOne) {
    static const char* const title = "Icon Box Test";
    SeenBox seen;
    std::thread closer([&] { seen = CloseBoxWhenItAppears(title); });
    MessageBoxA(nullptr, "with icon", title, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    closer.join();
    EXPECT_EQ("with icon", seen.text);
    EXPECT_TRUE(seen.icon);
}

}  // namespace
