#include "Button.h"

namespace bvt {

TControl::CreateParams TButton::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "BUTTON";
    params.style = BS_PUSHBUTTON;
    return params;
}

void TButton::CommandNotify(WORD code) {
    if (code == BN_CLICKED) Click();
}

LRESULT TButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS) SendMessageA(handle_, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    if (message == WM_KILLFOCUS) SendMessageA(handle_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    return TControl::WndProc(message, wParam, lParam);
}

}  // namespace bvt
