// The binary form: round trips of every value kind and a table of damaged
// inputs, each of which must be refused with a clear message.
#include <gtest/gtest.h>

#include <cstring>

#include "BinaryDescription.h"
#include "ComponentStreaming.h"
#include "Crc32.h"

namespace bvt {
namespace {

DescObject SampleTree() {
    DescObject root{"TForm1", "Form1", {}, {}, 0};
    root.properties = {
        {"Left", DescValue::OfInteger(-192), 0},
        {"Big", DescValue::OfInteger(INT64_MIN), 0},
        {"Caption", DescValue::OfString("It's\r\nok"), 0},
        {"Font.Name", DescValue::OfString("Tahoma"), 0},
        {"Visible", DescValue::OfBoolean(false), 0},
        {"BorderStyle", DescValue::OfIdentifier("bsDialog"), 0},
        {"BorderIcons", DescValue::OfSet({"biSystemMenu", "biHelp"}), 0},
        {"NoIcons", DescValue::OfSet({}), 0},
        {"Picture.Data", DescValue::OfBinary({0x0A, 0x54, 0x00, 0xFF}), 0},
        {"Empty", DescValue::OfBinary({}), 0},
    };
    DescObject panel{"TPanel", "pn_1", {{"Left", DescValue::OfInteger(8), 0}}, {}, 0};
    panel.children.push_back(DescObject{"TImage", "im_1", {}, {}, 0});
    root.children.push_back(panel);
    root.children.push_back(DescObject{"TZipMaster", "", {{"Verbose", DescValue::OfBoolean(true), 0}}, {}, 0});
    return root;
}

std::uint32_t Load32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
void Store32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = std::uint8_t(v >> (8 * i));
}
// Rewrites the envelope's length and checksum so that only the payload's
// own structure is under test.
std::vector<std::uint8_t> Sealed(std::vector<std::uint8_t> b) {
    Store32(b, 8, static_cast<std::uint32_t>(b.size() - DescriptionHeaderSize));
    Store32(b, 12, Crc32(0, b.data() + DescriptionHeaderSize, b.size() - DescriptionHeaderSize));
    return b;
}
std::vector<std::uint8_t> Envelope(const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> b = {'B', 'V', 'W', 'D', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    b.insert(b.end(), payload.begin(), payload.end());
    return Sealed(b);
}

std::string DecodeError(const std::vector<std::uint8_t>& b) {
    try {
        DecodeDescription(b.data(), b.size());
    } catch (const EDescriptionError& e) {
        return e.Message();
    }
    return "(accepted)";
}

TEST(BinaryDescription, RoundTripKeepsEveryValueKindOrderAndNesting) {
    const DescObject tree = SampleTree();
    const std::vector<std::uint8_t> bytes = EncodeDescription(tree);
    EXPECT_TRUE(LooksLikeBinaryDescription(bytes.data(), bytes.size()));
    EXPECT_EQ(DecodeDescription(bytes.data(), bytes.size()), tree);
}

TEST(BinaryDescription, EnvelopeHoldsLengthAndChecksumOfThePayload) {
    const std::vector<std::uint8_t> bytes = EncodeDescription(SampleTree());
    ASSERT_GT(bytes.size(), DescriptionHeaderSize);
    EXPECT_EQ(0, std::memcmp(bytes.data(), "BVWD", 4));
    EXPECT_EQ(Load32(bytes, 4), 1u);
    EXPECT_EQ(Load32(bytes, 8), bytes.size() - DescriptionHeaderSize);
    EXPECT_EQ(Load32(bytes, 12), Crc32(0, bytes.data() + 16, bytes.size() - 16));
}

TEST(BinaryDescription, TruncatedAtEveryOffsetIsRefused) {
    const std::vector<std::uint8_t> bytes = EncodeDescription(SampleTree());
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + size);
        EXPECT_NE(DecodeError(cut), "(accepted)") << "size " << size;
        // Even with a matching envelope the cut payload must not parse.
        if (size > DescriptionHeaderSize) {
            EXPECT_EQ(DecodeError(Sealed(cut)).rfind("Window description is damaged (", 0), 0u) << "size " << size;
        }
    }
}

TEST(BinaryDescription, EveryFlippedPayloadByteIsCaughtByTheChecksum) {
    const std::vector<std::uint8_t> bytes = EncodeDescription(SampleTree());
    for (std::size_t at = DescriptionHeaderSize; at < bytes.size(); ++at) {
        std::vector<std::uint8_t> damaged = bytes;
        damaged[at] ^= 0x20;
        EXPECT_EQ(DecodeError(damaged), "Window description is damaged (checksum mismatch)") << "offset " << at;
    }
}

std::vector<std::uint8_t> NestedPayload(int depth) {
    std::vector<std::uint8_t> p;
    for (int i = 0; i < depth; ++i) p.insert(p.end(), {1, 'T', 0, 0});  // class "T", no name, no properties
    for (int i = 0; i < depth; ++i) p.push_back(0);                     // end of each child list
    return p;
}

TEST(BinaryDescription, NestingIsBoundedAndTheLimitItselfIsAccepted) {
    EXPECT_EQ(DecodeError(Envelope(NestedPayload(MaxDescriptionDepth))), "(accepted)");
    EXPECT_EQ(DecodeError(Envelope(NestedPayload(MaxDescriptionDepth + 1))), "Window description is damaged (nesting too deep)");
}

TEST(BinaryDescription, ObjectCountIsBounded) {
    std::vector<std::uint8_t> p = {1, 'T', 0, 0};
    for (std::size_t i = 0; i < MaxDescriptionObjects; ++i) p.insert(p.end(), {1, 'C', 0, 0, 0});
    p.push_back(0);
    EXPECT_EQ(DecodeError(Envelope(p)), "Window description is damaged (too many objects)");
}

struct DamagedCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* message;
};

std::vector<std::uint8_t> WithProperty(std::vector<std::uint8_t> property) {
    std::vector<std::uint8_t> p = {1, 'T', 1, 'x', 1, 'P'};
    p.insert(p.end(), property.begin(), property.end());
    p.insert(p.end(), {0, 0});
    return Envelope(p);
}

TEST(BinaryDescription, DamagedInputsGiveClearMessages) {
    std::vector<std::uint8_t> good = Envelope({1, 'T', 0, 0, 0});
    std::vector<std::uint8_t> badSignature = good;
    badSignature[0] = 'X';
    std::vector<std::uint8_t> badVersion = good;
    badVersion[4] = 2;
    std::vector<std::uint8_t> longLength = good;
    Store32(longLength, 8, Load32(good, 8) + 1);
    std::vector<std::uint8_t> hugeLength = good;
    Store32(hugeLength, 8, 0xFFFFFFFFu);
    std::vector<std::uint8_t> trailing = good;
    trailing.push_back(0);
    const std::vector<DamagedCase> cases = {
        {"empty", {}, "Window description is damaged (too short)"},
        {"signature", badSignature, "Window description is damaged (bad signature)"},
        {"version", badVersion, "Window description is damaged (unknown version)"},
        {"length one too long", longLength, "Window description is damaged (wrong length)"},
        {"huge length", hugeLength, "Window description is damaged (wrong length)"},
        {"bytes after the envelope's length", trailing, "Window description is damaged (wrong length)"},
        {"no root", Envelope({0}), "Window description is damaged (no root object)"},
        {"data after root", Envelope({1, 'T', 0, 0, 0, 7}), "Window description is damaged (data after the root object)"},
        {"class not an identifier", Envelope({1, '1', 0, 0, 0}), "Window description is damaged (bad class name)"},
        {"name not an identifier", Envelope({1, 'T', 1, ' ', 0, 0}), "Window description is damaged (bad component name)"},
        {"property name with two dots", Envelope({1, 'T', 0, 2, '.', '.', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
         "Window description is damaged (bad property name)"},
        {"type tag 0", WithProperty({0}), "Window description is damaged (bad value type)"},
        {"type tag 7", WithProperty({7}), "Window description is damaged (bad value type)"},
        {"boolean 2", WithProperty({3, 2}), "Window description is damaged (bad boolean)"},
        {"empty identifier", WithProperty({4, 0}), "Window description is damaged (bad identifier)"},
        {"set element not an identifier", WithProperty({5, 1, 0, 1, '-'}), "Window description is damaged (bad identifier)"},
        {"set count past the end", Envelope({1, 'T', 0, 1, 'P', 5, 0xFF, 0xFF, 1, 'a'}), "Window description is damaged (unexpected end of data)"},
        {"string length past the end", WithProperty({2, 9, 0, 0, 0, 'a'}), "Window description is damaged (unexpected end of data)"},
        {"raw length 4 GB", WithProperty({6, 0xFF, 0xFF, 0xFF, 0xFF, 0}), "Window description is damaged (unexpected end of data)"},
        {"integer cut short", WithProperty({1, 1, 2, 3}), "Window description is damaged (unexpected end of data)"},
    };
    for (const DamagedCase& c : cases) EXPECT_EQ(DecodeError(c.bytes), c.message) << c.name;
}

TEST(BinaryDescription, EncoderRefusesNamesTheFormCannotCarry) {
    const std::vector<DescObject> bad = {
        DescObject{"", "x", {}, {}, 0},
        DescObject{"T", "has space", {}, {}, 0},
        DescObject{"T", "x", {{"A..B", DescValue::OfInteger(1), 0}}, {}, 0},
        DescObject{"T", "x", {{"A", DescValue::OfIdentifier(std::string(256, 'a')), 0}}, {}, 0},
    };
    for (const DescObject& o : bad) EXPECT_THROW(EncodeDescription(o), EDescriptionError) << o.className << "/" << o.name;
}

}  // namespace
}  // namespace bvt
