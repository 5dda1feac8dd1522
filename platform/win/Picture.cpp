#include "Picture.h"

#include <cstring>

namespace bvt {

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (static_cast<std::uint32_t>(d[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}

}  // namespace

TPicture::~TPicture() {
    if (icon_) DestroyIcon(icon_);
}

void TPicture::LoadFromData(std::vector<std::uint8_t> data) {
    if (icon_) DestroyIcon(icon_);
    icon_ = nullptr;
    data_ = std::move(data);
    width_ = height_ = 0;
    if (data_.empty()) return;
    if (data_.size() >= 2 && data_[0] == 'B' && data_[1] == 'M') LoadBitmap();
    else if (data_.size() >= 4 && U32(data_, 0) == 0x00010000) LoadIcon();
    else throw EInvalidGraphic("Unknown picture format");
}

void TPicture::LoadBitmap() {
    // BITMAPFILEHEADER (14 bytes), then a BITMAPINFOHEADER and its palette.
    if (data_.size() < 14 + 40) throw EInvalidGraphic("Bitmap image is not valid");
    infoOffset_ = 14;
    const std::uint32_t headerSize = U32(data_, 14);
    const auto width = static_cast<std::int32_t>(U32(data_, 18));
    const auto height = static_cast<std::int32_t>(U32(data_, 22));
    const std::uint16_t planes = U16(data_, 26);
    bitCount_ = U16(data_, 28);
    const std::uint32_t compression = U32(data_, 30);
    const std::uint32_t colorsUsed = U32(data_, 46);
    const bool knownDepth = bitCount_ == 1 || bitCount_ == 4 || bitCount_ == 8 || bitCount_ == 24 || bitCount_ == 32;
    if (headerSize < 40 || headerSize > data_.size() - 14 || width <= 0 || height <= 0 || width > 4096 ||
        height > 4096 || planes != 1 || !knownDepth || compression != BI_RGB)
        throw EInvalidGraphic("Bitmap image is not valid");
    const std::uint32_t maxColors = bitCount_ <= 8 ? (1u << bitCount_) : 0;
    if (colorsUsed > maxColors) throw EInvalidGraphic("Bitmap image is not valid");
    paletteSize_ = colorsUsed ? colorsUsed : maxColors;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bitCount_ + 31) / 32) * 4;
    bitsOffset_ = U32(data_, 10);
    const std::size_t paletteEnd = 14 + headerSize + paletteSize_ * 4;
    if (paletteEnd > data_.size() || bitsOffset_ < paletteEnd || bitsOffset_ > data_.size() ||
        stride * static_cast<std::size_t>(height) > data_.size() - bitsOffset_)
        throw EInvalidGraphic("Bitmap image is not valid");
    width_ = width;
    height_ = height;
}

void TPicture::LoadIcon() {
    // ICONDIR (6 bytes), then 16-byte entries; the 32 x 32 image if there is
    // one, else the first.
    const std::size_t count = data_.size() >= 6 ? U16(data_, 4) : 0;
    if (count == 0 || data_.size() < 6 + count * 16) throw EInvalidGraphic("Icon image is not valid");
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (data_[6 + i * 16] == 32) chosen = i;
    const std::size_t entry = 6 + chosen * 16;
    const int width = data_[entry] ? data_[entry] : 256;
    const int height = data_[entry + 1] ? data_[entry + 1] : 256;
    const std::uint32_t size = U32(data_, entry + 8);
    const std::uint32_t offset = U32(data_, entry + 12);
    if (offset > data_.size() || size > data_.size() - offset || size < 40)
        throw EInvalidGraphic("Icon image is not valid");
    icon_ = CreateIconFromResourceEx(data_.data() + offset, size, TRUE, 0x00030000, width, height, LR_DEFAULTCOLOR);
    if (!icon_) throw EInvalidGraphic("Icon image is not valid");
    width_ = width;
    height_ = height;
}

void TPicture::Draw(HDC dc, int x, int y) const {
    if (icon_) {
        DrawIconEx(dc, x, y, icon_, width_, height_, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!data_.empty())
        StretchDIBits(dc, x, y, width_, height_, 0, 0, width_, height_, data_.data() + bitsOffset_,
                      reinterpret_cast<const BITMAPINFO*>(data_.data() + infoOffset_), DIB_RGB_COLORS, SRCCOPY);
}

void TPicture::DrawPart(HDC dc, int x, int y, int sourceX, int width, COLORREF background) const {
    if (data_.empty() || icon_) return;
    // A private copy of header and palette with the transparent entry replaced.
    std::vector<std::uint8_t> info(data_.begin() + static_cast<std::ptrdiff_t>(infoOffset_),
                                   data_.begin() + static_cast<std::ptrdiff_t>(bitsOffset_));
    if (bitCount_ <= 8 && paletteSize_ > 0) {
        // Bottom-up rows: the first byte of the bits holds the bottom-left pixel.
        const std::uint8_t first = data_[bitsOffset_];
        const std::size_t index = static_cast<std::size_t>(first >> (8 - bitCount_));
        const std::size_t headerSize = U32(data_, 14);
        if (index < paletteSize_) {
            RGBQUAD q{GetBValue(background), GetGValue(background), GetRValue(background), 0};
            std::memcpy(&info[headerSize + index * 4], &q, 4);
        }
    }
    StretchDIBits(dc, x, y, width, height_, sourceX, 0, width, height_, data_.data() + bitsOffset_,
                  reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace bvt
