// TPicture: a picture carried as raw data in a window description: the bytes
// of a .bmp file or of a .ico file (see PictureFormat.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "PictureFormat.h"

namespace bvt {

class TPicture {
public:
    TPicture() = default;
    ~TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // Takes the bytes of a .bmp or .ico file; EInvalidGraphic when they are
    // neither or are damaged.
    void LoadFromData(std::vector<std::uint8_t> data);
    const std::vector<std::uint8_t>& Data() const { return data_; }
    bool Empty() const { return data_.empty(); }
    int Width() const { return layout_.width; }
    int Height() const { return layout_.height; }

    void Draw(HDC dc, int x, int y) const;
    // Draws the columns [sourceX, sourceX + width) of a bitmap; with a
    // palette, the colour of the bottom-left pixel becomes `background`
    // (the transparent colour of glyphs).
    void DrawPart(HDC dc, int x, int y, int sourceX, int width, COLORREF background) const;

private:
    std::vector<std::uint8_t> data_;
    PictureLayout layout_;
    HICON icon_ = nullptr;
};

}  // namespace bvt
