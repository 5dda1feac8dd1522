// Picture raw data (Picture.Data, Glyph.Data) of window descriptions: the
// parser either refuses the bytes or gives a layout whose every range lies
// inside them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "PictureFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const bvt::PictureLayout layout = bvt::ParsePicture(data, size);
        unsigned sum = 0;
        if (layout.kind == bvt::PictureLayout::Kind::Bitmap) {
            for (std::size_t i = layout.infoOffset; i < layout.bitsOffset; ++i) sum += data[i];
            const std::size_t bitsEnd = layout.bitsOffset + layout.rowBytes * static_cast<std::size_t>(layout.height);
            for (std::size_t i = layout.bitsOffset; i < bitsEnd; ++i) sum += data[i];
            if (layout.headerSize + layout.paletteEntries * 4 > layout.bitsOffset - layout.infoOffset) std::abort();
        } else {
            for (std::size_t i = 0; i < layout.imageSize; ++i) sum += data[layout.imageOffset + i];
        }
        if (layout.width <= 0 || layout.height <= 0) std::abort();
        return static_cast<int>(sum & 0);
    } catch (const bvt::EInvalidGraphic&) {
        return 0;
    }
}
