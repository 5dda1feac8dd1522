#include "PictureFormat.h"

namespace bvt {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 4096;

std::uint32_t U32(const std::uint8_t* d) {
    return d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<std::uint32_t>(d[3]) << 24);
}
std::uint16_t U16(const std::uint8_t* d) {
    return static_cast<std::uint16_t>(d[0] | (d[1] << 8));
}

PictureLayout ParseBitmap(const std::uint8_t* data, std::size_t size) {
    const EInvalidGraphic invalid("Bitmap image is not valid");
    if (size < kFileHeaderSize + kInfoHeaderSize) throw invalid;
    PictureLayout layout;
    layout.kind = PictureLayout::Kind::Bitmap;
    layout.infoOffset = kFileHeaderSize;
    const std::uint8_t* info = data + kFileHeaderSize;
    layout.headerSize = U32(info);
    const auto width = static_cast<std::int32_t>(U32(info + 4));
    const auto height = static_cast<std::int32_t>(U32(info + 8));
    const std::uint16_t planes = U16(info + 12);
    layout.bitCount = U16(info + 14);
    const std::uint32_t compression = U32(info + 16);
    const std::uint32_t colorsUsed = U32(info + 32);
    const int bits = layout.bitCount;
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    if (layout.headerSize < kInfoHeaderSize || layout.headerSize > size - kFileHeaderSize || width <= 0 ||
        height <= 0 || width > kMaxSide || height > kMaxSide || planes != 1 || !knownDepth || compression != 0)
        throw invalid;
    const std::uint32_t maxColors = bits <= 8 ? (1u << bits) : 0;
    if (colorsUsed > maxColors) throw invalid;
    layout.paletteEntries = colorsUsed ? colorsUsed : maxColors;
    layout.width = width;
    layout.height = height;
    layout.rowBytes = ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
    layout.bitsOffset = U32(data + 10);
    const std::size_t paletteEnd = kFileHeaderSize + layout.headerSize + layout.paletteEntries * 4;
    if (paletteEnd > size || layout.bitsOffset < paletteEnd || layout.bitsOffset > size ||
        layout.rowBytes * static_cast<std::size_t>(height) > size - layout.bitsOffset)
        throw invalid;
    return layout;
}

PictureLayout ParseIcon(const std::uint8_t* data, std::size_t size) {
    const EInvalidGraphic invalid("Icon image is not valid");
    const std::size_t count = size >= 6 ? U16(data + 4) : 0;
    if (count == 0 || size < 6 + count * 16) throw invalid;
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (data[6 + i * 16] == 32) chosen = i;
    const std::uint8_t* entry = data + 6 + chosen * 16;
    PictureLayout layout;
    layout.kind = PictureLayout::Kind::Icon;
    layout.width = entry[0] ? entry[0] : 256;
    layout.height = entry[1] ? entry[1] : 256;
    layout.imageSize = U32(entry + 8);
    layout.imageOffset = U32(entry + 12);
    if (layout.imageOffset > size || layout.imageSize > size - layout.imageOffset || layout.imageSize < kInfoHeaderSize)
        throw invalid;
    return layout;
}

}  // namespace

PictureLayout ParsePicture(const std::uint8_t* data, std::size_t size) {
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return ParseBitmap(data, size);
    if (size >= 4 && U32(data) == 0x00010000) return ParseIcon(data, size);
    throw EInvalidGraphic("Unknown picture format");
}

}  // namespace bvt
