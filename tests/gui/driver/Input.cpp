#include "Input.h"

#include "Wait.h"

namespace bvt::gui {

void Click(const Window& button) { PostMessageA(button.Handle(), BM_CLICK, 0, 0); }

void MouseClick(const Window& control) {
    const SIZE size = control.ClientSize();
    const LPARAM at = MAKELPARAM(size.cx / 2, size.cy / 2);
    PostMessageA(control.Handle(), WM_MOUSEMOVE, 0, at);
    PostMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(control.Handle(), WM_LBUTTONUP, 0, at);
}

void PressKey(const Window& target, UINT virtualKey) {
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    const LPARAM up = down | (1L << 30) | (1L << 31);
    PostMessageA(target.Handle(), WM_KEYDOWN, virtualKey, down);
    PostMessageA(target.Handle(), WM_KEYUP, virtualKey, up);
}

void SetText(const Window& edit, const std::string& text) {
    edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressCloseBox(const Window& topLevel) {
    PostMessageA(topLevel.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool DrainPostedInput(const Window& edit) {
    // Two rounds: anything the earlier messages posted in turn is handled
    // before the second round's marker.
    for (int round = 0; round < 2; ++round) {
        const LRESULT before = edit.Send(EM_GETSEL);
        const WPARAM target = LOWORD(before) == 0 ? 1 : 0;
        PostMessageA(edit.Handle(), EM_SETSEL, target, target);
        if (!WaitUntil([&] { return !IsWindow(edit.Handle()) ||
                                    LOWORD(edit.Send(EM_GETSEL)) == target; })) {
            return false;
        }
        if (!IsWindow(edit.Handle())) return true;
    }
    return true;
}

}  // namespace bvt::gui
