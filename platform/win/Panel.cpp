#include "Panel.h"

namespace bvt {

namespace {

// Draws `width` nested frames, shrinking r: light top-left and dark
// bottom-right for a raised cut, the other way round for a lowered one.
void Frame(HDC dc, RECT& r, TBevelCut cut, int width) {
    if (cut == bvNone) return;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF topLeft = cut == bvLowered ? shadow : light;
    const COLORREF bottomRight = cut == bvLowered ? light : shadow;
    for (int i = 0; i < width; ++i) {
        if (cut != bvSpace) {
            HBRUSH tl = CreateSolidBrush(topLeft);
            HBRUSH br = CreateSolidBrush(bottomRight);
            RECT top{r.left, r.top, r.right, r.top + 1};
            RECT left{r.left, r.top, r.left + 1, r.bottom};
            RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
            RECT right{r.right - 1, r.top, r.right, r.bottom};
            FillRect(dc, &top, tl);
            FillRect(dc, &left, tl);
            FillRect(dc, &bottom, br);
            FillRect(dc, &right, br);
            DeleteObject(tl);
            DeleteObject(br);
        }
        InflateRect(&r, -1, -1);
    }
}

}  // namespace

TControl::CreateParams TPanel::GetCreateParams() const {
    CreateParams params;
    params.style = WS_CLIPCHILDREN;
    params.exStyle = WS_EX_CONTROLPARENT;
    return params;
}

void TPanel::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    FillRect(dc, &r, ColorBrush(EffectiveColor()));
    Frame(dc, r, bevelOuter_, bevelWidth_);
    Frame(dc, r, bevelInner_, bevelWidth_);
    const std::string text = Caption();
    if (!text.empty()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(EffectiveFont().color));
        HGDIOBJ old = SelectObject(dc, FontHandle(EffectiveFont()));
        DrawTextA(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
    }
}

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
    case WM_PAINT:
        return PaintMessage(message);
    default:
        return TWinControl::WndProc(message, wParam, lParam);
    }
}

}  // namespace bvt
