#include "DocumentLayout.h"

namespace bvt {

namespace {

constexpr int kMargin = 24;
constexpr UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT;

HFONT MakeFont(int height, int weight, bool italic, const char* face) {
    return CreateFontA(-height, 0, 0, 0, weight, italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

}  // namespace

DocumentFonts::DocumentFonts()
    : title(MakeFont(26, FW_BOLD, false, "Tahoma")),
      author(MakeFont(13, FW_NORMAL, true, "Tahoma")),
      heading(MakeFont(17, FW_BOLD, false, "Tahoma")),
      body(MakeFont(14, FW_NORMAL, false, "Tahoma")),
      hint(MakeFont(14, FW_NORMAL, true, "Tahoma")) {}

DocumentFonts::~DocumentFonts() {
    for (HFONT font : {title, author, heading, body, hint}) {
        if (font != nullptr) DeleteObject(font);
    }
}

void DocumentLayout::Add(HDC dc, const std::string& text, HFONT font, COLORREF colour, int width,
                         int spaceBefore) {
    RECT box{kMargin, height_ + spaceBefore, kMargin + width, height_ + spaceBefore};
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, kTextFormat | DT_CALCRECT);
    SelectObject(dc, old);
    box.right = kMargin + width;  // paint with the full width, not the measured one
    items_.push_back(LaidOutText{text, font, colour, box});
    height_ = box.bottom;
}

void DocumentLayout::Build(HDC dc, const DocumentFonts& fonts, const BvtDocument& document, int width) {
    Clear();
    const int textWidth = width - 2 * kMargin > 80 ? width - 2 * kMargin : 80;
    height_ = kMargin;
    Add(dc, document.title, fonts.title, RGB(0x1F, 0x3A, 0x68), textWidth, 0);
    if (!document.author.empty())
        Add(dc, "by " + document.author, fonts.author, RGB(0x60, 0x60, 0x60), textWidth, 4);
    for (const BvtBlock& block : document.blocks) {
        if (block.kind == BvtBlockKind::Heading)
            Add(dc, block.text, fonts.heading, RGB(0x1F, 0x3A, 0x68), textWidth, 18);
        else
            Add(dc, block.text, fonts.body, RGB(0x20, 0x20, 0x20), textWidth, 10);
    }
    height_ += kMargin;
}

void DocumentLayout::Paint(HDC dc, int scrollY) const {
    SetBkMode(dc, TRANSPARENT);
    for (const LaidOutText& item : items_) {
        RECT box = item.box;
        OffsetRect(&box, 0, -scrollY);
        HGDIOBJ old = SelectObject(dc, item.font);
        SetTextColor(dc, item.colour);
        DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &box, kTextFormat);
        SelectObject(dc, old);
    }
}

}  // namespace bvt
