#include "Screen.h"

#include <windows.h>

namespace bvt {

TScreen Screen;

void TScreen::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    if (cursor != crDefault) {
        ::SetCursor(CursorHandle(cursor));
        return;
    }
    // Back to normal: let the window under the mouse choose its cursor again.
    POINT p;
    if (!GetCursorPos(&p)) return;
    HWND window = WindowFromPoint(p);
    DWORD pid = 0;
    if (window && GetWindowThreadProcessId(window, &pid) == GetCurrentThreadId())
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), WM_MOUSEMOVE));
    else
        ::SetCursor(CursorHandle(crArrow));
}

}  // namespace bvt
