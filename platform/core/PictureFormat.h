// The layout of a picture carried as raw data in a window description: the
// bytes of a .bmp file (uncompressed, 1/4/8/24/32 bits per pixel, bottom-up)
// or of a .ico file. Parsing checks every offset and size against the data,
// so whoever draws from the layout stays inside it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Exceptions.h"

namespace bvt {

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

struct PictureLayout {
    enum class Kind { Bitmap, Icon };
    Kind kind = Kind::Bitmap;
    int width = 0;
    int height = 0;
    // Bitmap: BITMAPINFOHEADER at infoOffset (headerSize bytes), then
    // paletteEntries 4-byte entries, pixel rows at bitsOffset (rowBytes each,
    // bottom row first).
    int bitCount = 0;
    std::size_t infoOffset = 0, headerSize = 0, paletteEntries = 0, bitsOffset = 0, rowBytes = 0;
    // Icon: the chosen image (32 x 32 if present, else the first) as the
    // bytes [imageOffset, imageOffset + imageSize).
    std::size_t imageOffset = 0, imageSize = 0;
};

// Throws EInvalidGraphic ("Unknown picture format", "Bitmap image is not
// valid", "Icon image is not valid") for anything else or anything damaged.
PictureLayout ParsePicture(const std::uint8_t* data, std::size_t size);

}  // namespace bvt
