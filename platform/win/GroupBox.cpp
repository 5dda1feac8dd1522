#include "GroupBox.h"

namespace bvt {

TControl::CreateParams TGroupBox::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "BUTTON";
    params.style = BS_GROUPBOX;
    // The dialog keyboard interface goes into its children.
    params.exStyle = WS_EX_CONTROLPARENT;
    return params;
}

LRESULT TGroupBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A system group box is transparent to the mouse; as a container its
    // area belongs to it (and its children get the clicks).
    if (message == WM_NCHITTEST) return HTCLIENT;
    if (message == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(handle_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, ColorBrush(EffectiveColor()));
        return 1;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace bvt
