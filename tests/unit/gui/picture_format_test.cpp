#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "PictureFormat.h"

namespace bvt {
namespace {

void Put32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) d[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::vector<std::uint8_t>& d, std::size_t at, std::uint16_t v) {
    d[at] = static_cast<std::uint8_t>(v);
    d[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A 3 x 2 bitmap of 4 bits per pixel with a full 16-colour palette.
std::vector<std::uint8_t> SmallBitmap() {
    const std::size_t bitsOffset = 14 + 40 + 64;
    std::vector<std::uint8_t> d(bitsOffset + 2 * 4, 0);
    d[0] = 'B';
    d[1] = 'M';
    Put32(d, 2, static_cast<std::uint32_t>(d.size()));
    Put32(d, 10, bitsOffset);
    Put32(d, 14, 40);
    Put32(d, 18, 3);
    Put32(d, 22, 2);
    Put16(d, 26, 1);
    Put16(d, 28, 4);
    d[bitsOffset] = 0xD0;  // bottom-left pixel: colour 13
    return d;
}

// An icon file with one 16 x 16 image of 48 bytes.
std::vector<std::uint8_t> SmallIcon() {
    std::vector<std::uint8_t> d(6 + 16 + 48, 0);
    Put16(d, 2, 1);
    Put16(d, 4, 1);
    d[6] = 16;
    d[7] = 16;
    Put32(d, 6 + 8, 48);
    Put32(d, 6 + 12, 22);
    Put32(d, 22, 40);
    return d;
}

TEST(PictureFormat, BitmapLayoutPointsAtPaletteAndRows) {
    const std::vector<std::uint8_t> d = SmallBitmap();
    const PictureLayout layout = ParsePicture(d.data(), d.size());
    EXPECT_EQ(layout.kind, PictureLayout::Kind::Bitmap);
    EXPECT_EQ(layout.width, 3);
    EXPECT_EQ(layout.height, 2);
    EXPECT_EQ(layout.bitCount, 4);
    EXPECT_EQ(layout.paletteEntries, 16u);
    EXPECT_EQ(layout.rowBytes, 4u);
    EXPECT_EQ(layout.bitsOffset, 14u + 40 + 64);
}

TEST(PictureFormat, IconLayoutChoosesTheImageAndItsBytes) {
    const std::vector<std::uint8_t> d = SmallIcon();
    const PictureLayout layout = ParsePicture(d.data(), d.size());
    EXPECT_EQ(layout.kind, PictureLayout::Kind::Icon);
    EXPECT_EQ(layout.width, 16);
    EXPECT_EQ(layout.imageOffset, 22u);
    EXPECT_EQ(layout.imageSize, 48u);
}

TEST(PictureFormat, EveryTruncationIsRefused) {
    for (const std::vector<std::uint8_t>& whole : {SmallBitmap(), SmallIcon()})
        for (std::size_t size = 0; size < whole.size(); ++size)
            EXPECT_THROW(ParsePicture(whole.data(), size), EInvalidGraphic) << "size " << size;
}

struct Damage {
    const char* what;
    bool icon;
    std::size_t at;
    std::uint32_t value;
    int width;  // 4 or 2 bytes
};

TEST(PictureFormat, DamagedHeadersAreRefused) {
    const Damage cases[] = {
        {"bits offset past the end", false, 10, 0xFFFFFFF0u, 4},
        {"bits offset inside the palette", false, 10, 60, 4},
        {"header size past the end", false, 14, 0x7FFFFFFF, 4},
        {"header size too small", false, 14, 12, 4},
        {"zero width", false, 18, 0, 4},
        {"negative width", false, 18, 0xFFFFFFFFu, 4},
        {"huge height", false, 22, 100000, 4},
        {"top-down rows", false, 22, 0xFFFFFFFEu, 4},
        {"two planes", false, 26, 2, 2},
        {"3 bits per pixel", false, 28, 3, 2},
        {"compressed", false, 30, 1, 4},
        {"more colours than the depth holds", false, 46, 17, 4},
        {"rows larger than the data", false, 18, 4000, 4},
        {"no images", true, 4, 0, 2},
        {"more entries than the data holds", true, 4, 200, 2},
        {"image past the end", true, 6 + 12, 60, 4},
        {"image size overflowing", true, 6 + 8, 0xFFFFFFF0u, 4},
        {"image too small for a header", true, 6 + 8, 8, 4},
    };
    for (const Damage& c : cases) {
        std::vector<std::uint8_t> d = c.icon ? SmallIcon() : SmallBitmap();
        if (c.width == 4) Put32(d, c.at, c.value);
        else Put16(d, c.at, static_cast<std::uint16_t>(c.value));
        EXPECT_THROW(ParsePicture(d.data(), d.size()), EInvalidGraphic) << c.what;
    }
}

TEST(PictureFormat, OtherFormatsAreUnknown) {
    for (const std::string& bytes : {std::string("GIF89a"), std::string("\x89PNG\r\n", 6), std::string("B"), std::string()}) {
        try {
            ParsePicture(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ADD_FAILURE() << "accepted " << bytes;
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "Unknown picture format");
        }
    }
}

}  // namespace
}  // namespace bvt
