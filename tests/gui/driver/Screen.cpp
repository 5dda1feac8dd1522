#include "Screen.h"

#include <set>

namespace bvt::gui {

Pixels CaptureScreen(const Rect& r) {
    Pixels result;
    result.width = r.width;
    result.height = r.height;
    result.rgb.assign(static_cast<size_t>(r.width) * r.height, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = r.width;
    info.bmiHeader.biHeight = -r.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, r.width, r.height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        const auto* source = static_cast<const std::uint32_t*>(bits);
        for (size_t i = 0; i < result.rgb.size(); ++i) result.rgb[i] = source[i] & 0xFFFFFF;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return result;
}

int CountDark(const Pixels& p, const Rect& area, int threshold) {
    int dark = 0;
    for (int y = area.top; y < area.top + area.height && y < p.height; ++y) {
        for (int x = area.left; x < area.left + area.width && x < p.width; ++x) {
            const std::uint32_t c = p.At(x, y);
            const int luma = (299 * ((c >> 16) & 255) + 587 * ((c >> 8) & 255) + 114 * (c & 255)) / 1000;
            if (luma < threshold) ++dark;
        }
    }
    return dark;
}

int CountColours(const Pixels& p, const Rect& area) {
    std::set<std::uint32_t> colours;
    for (int y = area.top; y < area.top + area.height && y < p.height; ++y) {
        for (int x = area.left; x < area.left + area.width && x < p.width; ++x) colours.insert(p.At(x, y));
    }
    return static_cast<int>(colours.size());
}

}  // namespace bvt::gui
