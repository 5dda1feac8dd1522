#include "SpeedButton.h"

#include <windowsx.h>

#include "Streams.h"

namespace bvt {

namespace {

constexpr int kSpacing = 4;  // between glyph and caption

}  // namespace

void TSpeedButton::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Glyph.Data",
        [this](TStream& stream) {
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Size() - stream.Position()));
            if (!bytes.empty()) stream.ReadBuffer(bytes.data(), bytes.size());
            glyph_.LoadFromData(std::move(bytes));
        },
        [this](TStream& stream) {
            if (!glyph_.Empty()) stream.WriteBuffer(glyph_.Data().data(), glyph_.Data().size());
        },
        !glyph_.Empty());
}

void TSpeedButton::Paint(HDC dc) {
    const bool enabled = IsWindowEnabled(handle_) != FALSE;
    RECT r{0, 0, width_, height_};
    FillRect(dc, &r, ColorBrush(EffectiveColor()));
    const bool down = pressed_ && hot_;
    if (!flat_) DrawEdge(dc, &r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    else if (enabled && down) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (enabled && hot_) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);

    // Glyph and caption side by side, centred together.
    const std::string text = Caption();
    HGDIOBJ oldFont = SelectObject(dc, FontHandle(EffectiveFont()));
    SIZE textSize{0, 0};
    if (!text.empty()) GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &textSize);
    const int glyphWidth = glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_;
    const int glyphHeight = glyph_.Empty() ? 0 : glyph_.Height();
    const int spacing = glyphWidth && textSize.cx ? kSpacing : 0;
    const int total = glyphWidth + spacing + textSize.cx;
    const int shift = down ? 1 : 0;
    int x = (width_ - total) / 2 + shift;
    if (glyphWidth) {
        const int index = (!enabled && numGlyphs_ > 1) ? 1 : 0;
        glyph_.DrawPart(dc, x, (height_ - glyphHeight) / 2 + shift, index * glyphWidth, glyphWidth,
                        ColorToRGB(EffectiveColor()));
        x += glyphWidth + spacing;
    }
    if (!text.empty()) {
        SetBkMode(dc, TRANSPARENT);
        RECT tr{x, shift, x + textSize.cx, height_ + shift};
        if (enabled) {
            SetTextColor(dc, ColorToRGB(EffectiveFont().color));
            DrawTextA(dc, text.c_str(), -1, &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
        } else {
            OffsetRect(&tr, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            DrawTextA(dc, text.c_str(), -1, &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
            OffsetRect(&tr, -1, -1);
            SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
            DrawTextA(dc, text.c_str(), -1, &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
        }
    }
    SelectObject(dc, oldFont);
}

LRESULT TSpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
    case WM_PAINT:
        return PaintMessage(message);
    case WM_MOUSEMOVE: {
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const RECT r{0, 0, width_, height_};
        const bool inside = PtInRect(&r, p) != FALSE;
        if (inside != hot_) {
            hot_ = inside;
            Invalidate();
        }
        if (inside && !pressed_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
            TrackMouseEvent(&track);
        }
        return 0;
    }
    case WM_MOUSELEAVE:
        if (!pressed_) {
            hot_ = false;
            Invalidate();
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = true;
        hot_ = true;
        SetCapture(handle_);
        Invalidate();
        return 0;
    case WM_LBUTTONUP: {
        const bool click = pressed_ && hot_;
        pressed_ = false;
        if (GetCapture() == handle_) ReleaseCapture();
        Invalidate();
        UpdateWindow(handle_);
        if (click) Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        Invalidate();
        return 0;
    case BM_CLICK:
        Click();
        return 0;
    case WM_ENABLE:
        Invalidate();
        return 0;
    default:
        return TControl::WndProc(message, wParam, lParam);
    }
}

}  // namespace bvt
