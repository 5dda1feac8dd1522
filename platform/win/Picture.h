// TPicture: a picture carried as raw data in a window description: the bytes
// of a .bmp file (uncompressed, 1/4/8/24/32 bits per pixel) or of a .ico file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "Exceptions.h"

namespace bvt {

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

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
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Draw(HDC dc, int x, int y) const;
    // Draws the columns [sourceX, sourceX + width) of a bitmap; with a
    // palette, the colour of the bottom-left pixel becomes `background`
    // (the transparent colour of glyphs).
    void DrawPart(HDC dc, int x, int y, int sourceX, int width, COLORREF background) const;

private:
    void LoadBitmap();
    void LoadIcon();

    std::vector<std::uint8_t> data_;
    std::size_t infoOffset_ = 0, bitsOffset_ = 0, paletteSize_ = 0;
    int width_ = 0, height_ = 0, bitCount_ = 0;
    HICON icon_ = nullptr;
};

}  // namespace bvt
