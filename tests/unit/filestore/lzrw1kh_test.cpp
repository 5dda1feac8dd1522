#include <gtest/gtest.h>

#include <cstring>

#include "LZRW1KH.h"
#include "filestore/TestData.h"

namespace bvt::test {
namespace {

Bytes Encode(const Bytes& input) {
    Bytes out(input.size() + kLzrwDestSlack);
    const std::uint16_t n = CompressBlock(input.data(), out.data(), static_cast<std::uint16_t>(input.size()));
    out.resize(n);
    return out;
}

Bytes Decode(const Bytes& block, std::size_t capacity = kLzrwMaxBlockInput) {
    Bytes out(capacity);
    out.resize(DecompressBlock(block.data(), block.size(), out.data(), out.size()));
    return out;
}

struct Example {
    const char* name;
    Bytes input;
    const char* encoded;
};

// The codec's worked examples: input -> exact encoded block.
std::vector<Example> Examples() {
    return {
        {"empty", {}, "80"},
        {"abc", Text("abc"), "80 61 62 63"},
        {"a x4", Repeat(Text("a"), 4), "80 61 61 61 61"},
        {"a x6 stays compressed", Repeat(Text("a"), 6), "40 40 00 61 00 12"},
        {"a x15 literal and match", Repeat(Text("a"), 15), "40 40 00 61 00 1B"},
        {"a x16 run", Repeat(Text("a"), 16), "40 80 00 00 00 00 61"},
        {"a x20 run", Repeat(Text("a"), 20), "40 80 00 00 00 04 61"},
        {"abc x4", Repeat(Text("abc"), 4), "40 10 00 61 62 63 00 36"},
        {"abcdef x4", Repeat(Text("abcdef"), 4), "40 02 00 61 62 63 64 65 66 00 6F"},
        {"x x4096 run then literal", Repeat(Text("x"), 4096), "40 80 00 00 0F EF 78 78"},
        {"32783 zeros", Bytes(32783, 0),
         "40 FF 80 00 0F EF 00 00 0F EF 00 00 0F EF 00 00 0F EF 00 00 0F EF 00 00 0F EF 00 00 0F EF 00 00 0F EF 00"
         " 00 00 07 00"},
    };
}

TEST(Lzrw1kh, WorkedExamplesEncodeExactlyAndDecodeBack) {
    for (const auto& e : Examples()) {
        SCOPED_TRACE(e.name);
        const Bytes encoded = Encode(e.input);
        EXPECT_EQ(ToHex(encoded), ToHex(Hex(e.encoded)));
        EXPECT_EQ(Decode(encoded), e.input);
        EXPECT_EQ(encoded, ReferenceCompress(e.input));
    }
}

TEST(Lzrw1kh, EncodedLengthRules) {
    // <= 5 bytes: always copied; a compressed block never exceeds the input;
    // a copied block is exactly one byte longer.
    for (std::size_t size : {0, 1, 2, 3, 4, 5, 6, 15, 16, 17, 100, 4095, 4096, 32783}) {
        for (unsigned alphabet : {1u, 4u, 256u}) {
            SCOPED_TRACE(::testing::Message() << size << " bytes, alphabet " << alphabet);
            const Bytes input = Pseudo(size, static_cast<std::uint32_t>(size), alphabet);
            const Bytes encoded = Encode(input);
            ASSERT_FALSE(encoded.empty());
            if (encoded[0] == kLzrwCopiedFlag) {
                EXPECT_EQ(encoded.size(), size + 1);
            } else {
                EXPECT_LE(encoded.size(), size);
            }
            if (size <= 5) {
                EXPECT_EQ(encoded[0], kLzrwCopiedFlag);
            }
            EXPECT_EQ(encoded, ReferenceCompress(input));
            EXPECT_EQ(Decode(encoded), input);
        }
    }
}

TEST(Lzrw1kh, MatchOffsetLimitIs4095Back) {
    // 01 02 03, a run of zeros (runs never touch the hash table), then 01 02
    // 03 again `distance` positions after the first: a match only at 4095.
    struct Case {
        std::size_t distance;
        const char* tail;
    };
    for (const Case c : {Case{4095, "00 0F EC 00 FF F0"}, Case{4096, "00 0F ED 00 01 02 03"}}) {
        SCOPED_TRACE(c.distance);
        Bytes input(c.distance + 3, 0);
        for (std::size_t at : {std::size_t{0}, c.distance}) {
            input[at] = 1;
            input[at + 1] = 2;
            input[at + 2] = 3;
        }
        const Bytes encoded = Encode(input);
        const Bytes tail = Hex(c.tail);
        ASSERT_GE(encoded.size(), tail.size());
        EXPECT_EQ(ToHex(Bytes(encoded.end() - static_cast<std::ptrdiff_t>(tail.size()), encoded.end())), ToHex(tail));
        EXPECT_EQ(encoded, ReferenceCompress(input));
        EXPECT_EQ(Decode(encoded), input);
    }
}

TEST(Lzrw1kh, SixteenItemsHaveNoSecondControlWord) {
    // 16 distinct literals ... would be copied; use 15 literals + 1 run so the
    // block compresses: exactly 16 items under one control word.
    Bytes input = Text("ABCDEFGHIJKLMNO");
    const Bytes run(40, 'z');
    input.insert(input.end(), run.begin(), run.end());
    const Bytes encoded = Encode(input);
    EXPECT_EQ(ToHex(encoded), ToHex(Hex("40 00 01 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 00 00 18 7A")));
    EXPECT_EQ(Decode(encoded), input);

    // One more literal makes a 17th item behind a second control word.
    Bytes longer = Text("ABCDEFGHIJKLMNOP");
    longer.insert(longer.end(), run.begin(), run.end());
    EXPECT_EQ(ToHex(Encode(longer)),
              ToHex(Hex("40 00 00 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 80 00 00 00 18 7A")));
}

struct DecodeCase {
    const char* name;
    const char* block;
    const char* decoded;
};

TEST(Lzrw1kh, DecoderAcceptsWhatTheEncoderNeverWrites) {
    const DecodeCase cases[] = {
        // Offset 1, length 18 repeats the one byte before it.
        {"overlapping match", "40 40 00 61 00 1F", "61 61 61 61 61 61 61 61 61 61 61 61 61 61 61 61 61 61 61"},
        // Offset 2 < length 5 repeats a two-byte pattern.
        {"offset 2 length 5", "40 20 00 61 62 00 22", "61 62 61 62 61 62 61"},
        // Any flag but 0x80 is a compressed block.
        {"flag 0x00", "00 00 00 61 62", "61 62"},
        {"flag 0xFF", "FF 40 00 61 00 10", "61 61 61 61"},
        {"run of 17", "40 80 00 00 00 01 62", "62 62 62 62 62 62 62 62 62 62 62 62 62 62 62 62 62"},
        // A compressed block with no items decodes to nothing.
        {"flag and control word only", "40 00 00", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ToHex(Decode(Hex(c.block))), ToHex(Hex(c.decoded)));
    }
    // A run longer than the encoder writes (L = 0xFFF: 4111 bytes).
    EXPECT_EQ(Decode(Hex("40 80 00 00 0F FF 62")), Bytes(4111, 0x62));
}

struct MalformedCase {
    const char* name;
    const char* block;
    std::size_t capacity;
};

TEST(Lzrw1kh, MalformedBlocksFailWithinTheirBuffers) {
    const MalformedCase cases[] = {
        {"empty block", "", 16},
        {"flag only", "40", 16},
        {"half a control word", "40 00", 16},
        {"copied block one too big", "80 61 62 63", 2},
        {"literal one too many", "40 00 00 61 62 63", 2},
        {"match before output start", "40 40 00 61 00 20", 32},
        {"match far before start", "40 80 00 FF F0", 32},
        {"match past capacity", "40 40 00 61 00 1F", 18},
        {"run past capacity", "40 80 00 00 00 00 61", 15},
        {"match cut off", "40 40 00 61 00", 32},
        {"run cut off", "40 80 00 00 00 00", 32},
        {"second control word cut off", "40 00 00 61 61 61 61 61 61 61 61 61 61 61 61 61 61 61 61 00", 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The block sits in an exact-size heap buffer and the destination is
        // followed by canary bytes that must survive.
        const Bytes hex = Hex(c.block);
        std::vector<std::uint8_t> block(hex.begin(), hex.end());
        Bytes dest(c.capacity + 8, 0xCC);
        EXPECT_THROW(DecompressBlock(block.data(), block.size(), dest.data(), c.capacity), ECorruptBlock);
        for (std::size_t i = c.capacity; i < dest.size(); ++i) ASSERT_EQ(dest[i], 0xCC) << "canary " << i;
    }
}

TEST(Lzrw1kh, ExactCapacityFitsOneTooSmallFails) {
    for (const auto& e : Examples()) {
        SCOPED_TRACE(e.name);
        const Bytes encoded = Encode(e.input);
        const std::size_t size = e.input.size();
        Bytes dest(size + 8, 0xCC);
        EXPECT_EQ(DecompressBlock(encoded.data(), encoded.size(), dest.data(), size), size);
        EXPECT_TRUE(std::equal(e.input.begin(), e.input.end(), dest.begin()));
        for (std::size_t i = size; i < dest.size(); ++i) ASSERT_EQ(dest[i], 0xCC);
        if (size == 0) continue;
        Bytes small(size - 1 + 8, 0xCC);
        EXPECT_THROW(DecompressBlock(encoded.data(), encoded.size(), small.data(), size - 1), ECorruptBlock);
        for (std::size_t i = size - 1; i < small.size(); ++i) ASSERT_EQ(small[i], 0xCC);
    }
}

TEST(Lzrw1kh, RoundTripsGeneratedBlocks) {
    for (std::size_t size : {0, 1, 5, 6, 15, 16, 4095, 4096, 32783}) {
        for (unsigned alphabet : {2u, 16u, 256u}) {
            SCOPED_TRACE(::testing::Message() << size << " bytes, alphabet " << alphabet);
            const Bytes input = Pseudo(size, 7, alphabet);
            const Bytes encoded = Encode(input);
            EXPECT_EQ(encoded, ReferenceCompress(input));
            EXPECT_EQ(Decode(encoded), input);
        }
    }
}

TEST(Lzrw1kh, RoundTripsRealExecutablesLikeTheReferenceEncoder) {
    const auto files = RealExecutables(8);
    if (files.empty()) GTEST_SKIP() << "no mingw DLLs installed";
    std::size_t blocks = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path);
        const Bytes data = ReadWholeFile(path);
        for (std::size_t at = 0; at < data.size(); at += kLzrwMaxBlockInput) {
            const std::size_t size = std::min(kLzrwMaxBlockInput, data.size() - at);
            const Bytes input(data.begin() + static_cast<std::ptrdiff_t>(at),
                              data.begin() + static_cast<std::ptrdiff_t>(at + size));
            const Bytes encoded = Encode(input);
            ASSERT_EQ(encoded, ReferenceCompress(input)) << "block at " << at;
            ASSERT_EQ(Decode(encoded), input) << "block at " << at;
            ++blocks;
        }
    }
    EXPECT_GT(blocks, 0u);
}

}  // namespace
}  // namespace bvt::test
