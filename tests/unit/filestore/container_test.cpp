#include <gtest/gtest.h>

#include "CompressStream.h"
#include "LZRW1KH.h"
#include "Streams.h"
#include "filestore/TestData.h"

namespace bvt::test {
namespace {

const char* const kSignature = "50 4D 43 53 31 30";

Bytes Pack(const Bytes& input) {
    TMemoryStream source(input), dest;
    TCompressStream().CompressStream(source, dest, static_cast<std::int32_t>(input.size()));
    EXPECT_EQ(dest.Position(), dest.Size()) << "dest must be left at the container's end";
    return dest.Bytes();
}

Bytes Unpack(const Bytes& container) {
    TMemoryStream source(container), dest;
    TCompressStream().ExpandStream(source, dest);
    return dest.Bytes();
}

std::int32_t Int32At(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// Lengths of the blocks of a well-formed container.
std::vector<std::int32_t> BlockLengths(const Bytes& container) {
    std::vector<std::int32_t> lengths;
    for (std::size_t at = 10; at < container.size(); at += 4 + static_cast<std::size_t>(lengths.back()))
        lengths.push_back(Int32At(container, at));
    return lengths;
}

TEST(Container, WorkedExamples) {
    const struct {
        const char* name;
        Bytes input;
        std::string container;
    } cases[] = {
        {"empty", {}, std::string(kSignature) + " 00 00 00 00"},
        {"abc", Text("abc"), std::string(kSignature) + " 08 00 00 00 04 00 00 00 80 61 62 63"},
        {"a x20", Repeat(Text("a"), 20), std::string(kSignature) + " 0B 00 00 00 07 00 00 00 40 80 00 00 00 04 61"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes container = Pack(c.input);
        EXPECT_EQ(ToHex(container), ToHex(Hex(c.container)));
        EXPECT_EQ(Unpack(container), c.input);
    }
}

TEST(Container, BlockBoundaries) {
    const struct {
        const char* name;
        Bytes input;
        std::vector<std::int32_t> lengths;  // 0: anything compressed
    } cases[] = {
        {"32783 zeros: one block", Bytes(32783, 0), {39}},
        {"32784 zeros: second block copied, 2 bytes", Bytes(32784, 0), {39, 2}},
        {"incompressible full block", Pseudo(32783, 3), {32784}},
        {"incompressible and a bit", Pseudo(32783 * 2 + 1, 4), {32784, 32784, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes container = Pack(c.input);
        EXPECT_EQ(BlockLengths(container), c.lengths);
        EXPECT_EQ(static_cast<std::size_t>(Int32At(container, 6)) + 10, container.size());
        EXPECT_EQ(Unpack(container), c.input);
    }
    const Bytes two = Pack(Bytes(32784, 0x5A));
    EXPECT_EQ(ToHex(Bytes(two.end() - 6, two.end())), "02 00 00 00 80 5A");
}

TEST(Container, RoundTripsSizesAndRealFiles) {
    for (std::size_t size : {0, 1, 5, 6, 15, 16, 4095, 4096, 32783, 32784, 100000}) {
        SCOPED_TRACE(size);
        const Bytes input = Pseudo(size, static_cast<std::uint32_t>(size), 8);
        EXPECT_EQ(Unpack(Pack(input)), input);
    }
    for (const auto& path : RealExecutables(4)) {
        SCOPED_TRACE(path);
        const Bytes input = ReadWholeFile(path);
        const Bytes container = Pack(input);
        EXPECT_LT(container.size(), input.size());
        EXPECT_EQ(Unpack(container), input);
    }
}

TEST(Container, WritesAtDestPositionAndPatchesTotalThere) {
    TMemoryStream source(Text("abc")), dest;
    dest.WriteBuffer("prefix", 6);
    TCompressStream().CompressStream(source, dest, 3);
    EXPECT_EQ(dest.Position(), dest.Size());
    EXPECT_EQ(ToHex(dest.Bytes()), ToHex(Text("prefix")) + " " + kSignature + " 08 00 00 00 04 00 00 00 80 61 62 63");
}

TEST(Container, TakesOnlyCountBytesFromSource) {
    TMemoryStream source(Text("abcdef"));
    TMemoryStream dest;
    TCompressStream().CompressStream(source, dest, 3);
    EXPECT_EQ(source.Position(), 3);
    EXPECT_EQ(Unpack(dest.Bytes()), Text("abc"));
}

TEST(Container, ShortSourceIsAReadErrorNotAnEndlessLoop) {
    TMemoryStream source(Text("abc")), dest;
    EXPECT_THROW(TCompressStream().CompressStream(source, dest, 10), EReadError);
}

TEST(Container, TrailingBytesAreNotRead) {
    Bytes container = Pack(Text("abc"));
    const std::size_t end = container.size();
    container.insert(container.end(), {0xDE, 0xAD});
    TMemoryStream source(container), dest;
    TCompressStream().ExpandStream(source, dest);
    EXPECT_EQ(dest.Bytes(), Text("abc"));
    EXPECT_EQ(source.Position(), static_cast<std::int64_t>(end));
}

TEST(Container, WrongSignatureFailsBeforeWriting) {
    for (const char* signature : {"pmcs10", "PMCS11", "QMCS10", "PMCS1\0", "PmCS10"}) {
        SCOPED_TRACE(signature);
        Bytes container = Pack(Text("abc"));
        std::copy(signature, signature + 6, container.begin());
        TMemoryStream source(container), dest;
        try {
            TCompressStream().ExpandStream(source, dest);
            FAIL() << "no exception";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Wrong file type");
        }
        EXPECT_EQ(dest.Size(), 0);
    }
}

struct CorruptCase {
    const char* name;
    std::string container;  // after the signature
};

TEST(Container, MalformedContainersFailClearly) {
    const CorruptCase corrupt[] = {
        {"negative total", "FF FF FF FF"},
        {"block length 0", "05 00 00 00 00 00 00 00 80"},
        {"block length 32785", "15 80 00 00 11 80 00 00"},
        {"negative block length", "08 00 00 00 FC FF FF FF 80 61 62 63"},
        {"block past total", "07 00 00 00 04 00 00 00 80 61 62 63"},
        {"total too small for a block", "03 00 00 00 04 00 00 00 80 61 62 63"},
        {"second block past total", "0A 00 00 00 01 00 00 00 80 02 00 00 00 80 61"},
        {"undecodable block", "09 00 00 00 05 00 00 00 40 40 00 61 00"},
    };
    for (const auto& c : corrupt) {
        SCOPED_TRACE(c.name);
        TMemoryStream source(Hex(std::string(kSignature) + " " + c.container)), dest;
        try {
            TCompressStream().ExpandStream(source, dest);
            FAIL() << "no exception";
        } catch (const ECorruptData& e) {
            EXPECT_STREQ(e.what(), "Corrupt compressed data");
        }
    }
    const CorruptCase truncated[] = {
        {"signature cut", ""},
        {"total cut", "08 00"},
        {"block length cut", "08 00 00 00 04 00"},
        {"block cut", "08 00 00 00 04 00 00 00 80 61"},
    };
    for (const auto& c : truncated) {
        SCOPED_TRACE(c.name);
        const std::string hex = c.container[0] ? std::string(kSignature) + " " + c.container : "50 4D 43";
        TMemoryStream source(Hex(hex)), dest;
        EXPECT_THROW(TCompressStream().ExpandStream(source, dest), EReadError);
    }
}

TEST(Container, BlocksBeforeACutStayWritten) {
    Bytes container = Pack(Pseudo(40000, 9));
    container.resize(container.size() - 1);
    TMemoryStream source(container), dest;
    EXPECT_THROW(TCompressStream().ExpandStream(source, dest), EReadError);
    EXPECT_EQ(dest.Size(), 32783);
}

}  // namespace
}  // namespace bvt::test
