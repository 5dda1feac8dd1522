// Colours, fonts and cursors of the GUI layer: the values window descriptions
// name (clBtnFace, fsBold, crHourGlass) and the GDI objects made from them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bvt {

// An RGB value (0x00BBGGRR) or, with the top bit set, a system colour index.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0x80000000u | COLOR_BTNFACE;
constexpr TColor clWindowText = 0x80000000u | COLOR_WINDOWTEXT;

// The colour identifiers a description may use, by ordinal.
const std::vector<std::string>& ColorIdentifiers();
TColor ColorFromOrdinal(int ordinal);
int ColorOrdinal(TColor color);  // -1 when the colour has no identifier
COLORREF ColorToRGB(TColor color);
// A solid brush of that colour, owned by a process-wide cache.
HBRUSH ColorBrush(TColor color);

enum TFontStyle : std::uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
const std::vector<std::string>& FontStyleIdentifiers();

// Font.Height follows LOGFONT: negative = character height in pixels (the
// em size), positive = cell height (character plus internal leading).
struct TFont {
    std::string name = "MS Sans Serif";
    int height = -11;
    std::uint32_t style = 0;
    TColor color = clWindowText;

    bool operator==(const TFont& other) const {
        return name == other.name && height == other.height && style == other.style;
    }
};
// The GDI font for a description, owned by a process-wide cache.
HFONT FontHandle(const TFont& font);

enum TCursor { crDefault, crArrow, crHourGlass };
const std::vector<std::string>& CursorIdentifiers();
HCURSOR CursorHandle(TCursor cursor);

}  // namespace bvt
