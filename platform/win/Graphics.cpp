#include "Graphics.h"

#include <map>
#include <utility>

namespace bvt {

namespace {

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr NamedColor kColors[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080},   {"clGreen", 0x008000},  {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080},   {"clTeal", 0x808000},   {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},      {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF},  {"clAqua", 0xFFFF00},   {"clWhite", 0xFFFFFF},
    {"clBtnFace", clBtnFace}, {"clBtnText", 0x80000000u | COLOR_BTNTEXT},
    {"clBtnShadow", 0x80000000u | COLOR_BTNSHADOW}, {"clBtnHighlight", 0x80000000u | COLOR_BTNHIGHLIGHT},
    {"clWindow", 0x80000000u | COLOR_WINDOW}, {"clWindowText", clWindowText},
    {"clHighlight", 0x80000000u | COLOR_HIGHLIGHT}, {"clGrayText", 0x80000000u | COLOR_GRAYTEXT},
};

}  // namespace

const std::vector<std::string>& ColorIdentifiers() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const NamedColor& c : kColors) v.push_back(c.name);
        return v;
    }();
    return names;
}

TColor ColorFromOrdinal(int ordinal) {
    return kColors[ordinal].value;
}

int ColorOrdinal(TColor color) {
    for (std::size_t i = 0; i < sizeof kColors / sizeof kColors[0]; ++i)
        if (kColors[i].value == color) return static_cast<int>(i);
    return -1;
}

COLORREF ColorToRGB(TColor color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

HBRUSH ColorBrush(TColor color) {
    static std::map<COLORREF, HBRUSH> brushes;
    const COLORREF rgb = ColorToRGB(color);
    HBRUSH& brush = brushes[rgb];
    if (!brush) brush = CreateSolidBrush(rgb);
    return brush;
}

const std::vector<std::string>& FontStyleIdentifiers() {
    static const std::vector<std::string> names = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    return names;
}

HFONT FontHandle(const TFont& font) {
    static std::map<std::pair<std::string, std::pair<int, std::uint32_t>>, HFONT> fonts;
    HFONT& handle = fonts[{font.name, {font.height, font.style}}];
    if (!handle) {
        LOGFONTA lf{};
        lf.lfHeight = font.height;
        lf.lfWeight = (font.style & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (font.style & fsItalic) ? 1 : 0;
        lf.lfUnderline = (font.style & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (font.style & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynA(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
        handle = CreateFontIndirectA(&lf);
        if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    return handle;
}

const std::vector<std::string>& CursorIdentifiers() {
    static const std::vector<std::string> names = {"crDefault", "crArrow", "crHourGlass"};
    return names;
}

HCURSOR CursorHandle(TCursor cursor) {
    return LoadCursor(nullptr, cursor == crHourGlass ? IDC_WAIT : IDC_ARROW);
}

}  // namespace bvt
