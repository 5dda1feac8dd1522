#include "Bevel.h"

namespace bvt {

namespace {

void Line(HDC dc, COLORREF color, int x1, int y1, int x2, int y2) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// Top and left edges in `topLeft`, bottom and right edges in `bottomRight`.
void BevelRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    Line(dc, topLeft, r.left, r.bottom, r.left, r.top);
    Line(dc, topLeft, r.left, r.top, r.right, r.top);
    Line(dc, bottomRight, r.right, r.top, r.right, r.bottom);
    Line(dc, bottomRight, r.right, r.bottom, r.left - 1, r.bottom);
}

}  // namespace

void TBevel::Paint(HDC dc) {
    PaintParentBackground(dc);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF first = style_ == bsLowered ? shadow : light;
    const COLORREF second = style_ == bsLowered ? light : shadow;
    const int w = width_, h = height_;
    switch (shape_) {
    case bsBox:
        BevelRect(dc, RECT{0, 0, w - 1, h - 1}, first, second);
        break;
    case bsFrame:
        // Two offset rectangles: an etched (lowered) or embossed (raised) frame.
        BevelRect(dc, RECT{1, 1, w - 1, h - 1}, second, second);
        BevelRect(dc, RECT{0, 0, w - 2, h - 2}, first, first);
        break;
    case bsTopLine:
        Line(dc, first, 0, 0, w, 0);
        Line(dc, second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        Line(dc, first, 0, h - 2, w, h - 2);
        Line(dc, second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        Line(dc, first, 0, 0, 0, h);
        Line(dc, second, 1, 0, 1, h);
        break;
    case bsRightLine:
        Line(dc, first, w - 2, 0, w - 2, h);
        Line(dc, second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}

LRESULT TBevel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
    case WM_PAINT:
        return PaintMessage(message);
    default:
        return TControl::WndProc(message, wParam, lParam);
    }
}

}  // namespace bvt
