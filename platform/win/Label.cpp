#include "Label.h"

namespace bvt {

TControl::CreateParams TLabel::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "STATIC";
    // SS_NOTIFY: the label answers hit tests, so its own cursor shows over it.
    params.style = (wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP) | SS_NOTIFY;
    return params;
}

void TLabel::AdjustSize() {
    if (!autoSize_ || !handle_) return;
    const std::string text = Caption();
    HDC dc = GetDC(handle_);
    HGDIOBJ old = SelectObject(dc, FontHandle(EffectiveFont()));
    RECT r{0, 0, wordWrap_ ? width_ : 0, 0};
    DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &r,
              DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0));
    SelectObject(dc, old);
    ReleaseDC(handle_, dc);
    SetBounds(left_, top_, r.right, r.bottom);
}

}  // namespace bvt
