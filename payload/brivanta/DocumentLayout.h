// Where each piece of a document goes in the window: title, author line and
// blocks, word-wrapped to the window's width. Measured with the window's
// fonts; painted with a vertical scroll offset.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "BvtDocument.h"

namespace bvt {

// The fonts of the reading view, created once per window.
class DocumentFonts {
public:
    DocumentFonts();
    ~DocumentFonts();
    DocumentFonts(const DocumentFonts&) = delete;
    DocumentFonts& operator=(const DocumentFonts&) = delete;

    HFONT title, author, heading, body, hint;
};

struct LaidOutText {
    std::string text;
    HFONT font;
    COLORREF colour;
    RECT box;  // in document coordinates (top 0 = document start)
};

class DocumentLayout {
public:
    // Lays out the document for a client area of the given width.
    void Build(HDC dc, const DocumentFonts& fonts, const BvtDocument& document, int width);
    void Clear() { items_.clear(); height_ = 0; }

    void Paint(HDC dc, int scrollY) const;
    int Height() const { return height_; }

private:
    void Add(HDC dc, const std::string& text, HFONT font, COLORREF colour, int width, int spaceBefore);

    std::vector<LaidOutText> items_;
    int height_ = 0;
};

}  // namespace bvt
