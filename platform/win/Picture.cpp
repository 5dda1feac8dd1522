#include "Picture.h"

#include <cstring>

namespace bvt {

TPicture::~TPicture() {
    if (icon_) DestroyIcon(icon_);
}

void TPicture::LoadFromData(std::vector<std::uint8_t> data) {
    if (icon_) DestroyIcon(icon_);
    icon_ = nullptr;
    data_.clear();
    layout_ = PictureLayout{};
    if (data.empty()) return;
    const PictureLayout layout = ParsePicture(data.data(), data.size());
    if (layout.kind == PictureLayout::Kind::Icon) {
        icon_ = CreateIconFromResourceEx(data.data() + layout.imageOffset, static_cast<DWORD>(layout.imageSize), TRUE,
                                         0x00030000, layout.width, layout.height, LR_DEFAULTCOLOR);
        if (!icon_) throw EInvalidGraphic("Icon image is not valid");
    }
    data_ = std::move(data);
    layout_ = layout;
}

void TPicture::Draw(HDC dc, int x, int y) const {
    if (icon_) {
        DrawIconEx(dc, x, y, icon_, layout_.width, layout_.height, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!data_.empty())
        StretchDIBits(dc, x, y, layout_.width, layout_.height, 0, 0, layout_.width, layout_.height,
                      data_.data() + layout_.bitsOffset,
                      reinterpret_cast<const BITMAPINFO*>(data_.data() + layout_.infoOffset), DIB_RGB_COLORS, SRCCOPY);
}

void TPicture::DrawPart(HDC dc, int x, int y, int sourceX, int width, COLORREF background) const {
    if (data_.empty() || icon_) return;
    // A private copy of header and palette with the transparent entry replaced.
    std::vector<std::uint8_t> info(data_.begin() + static_cast<std::ptrdiff_t>(layout_.infoOffset),
                                   data_.begin() + static_cast<std::ptrdiff_t>(layout_.bitsOffset));
    if (layout_.bitCount <= 8 && layout_.paletteEntries > 0) {
        // Bottom-up rows: the first byte of the bits holds the bottom-left pixel.
        const std::size_t index = static_cast<std::size_t>(data_[layout_.bitsOffset] >> (8 - layout_.bitCount));
        if (index < layout_.paletteEntries) {
            const RGBQUAD entry{GetBValue(background), GetGValue(background), GetRValue(background), 0};
            std::memcpy(&info[layout_.headerSize + index * 4], &entry, sizeof entry);
        }
    }
    StretchDIBits(dc, x, y, width, layout_.height, sourceX, 0, width, layout_.height, data_.data() + layout_.bitsOffset,
                  reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace bvt
