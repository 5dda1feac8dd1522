#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "BvtDocument.h"
#include "FileStream.h"

using namespace bvt;

namespace {

BvtDocument Parse(const std::string& text) { return ParseBvtDocument(text.data(), text.size()); }

std::string Repeat(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

BvtBlock Heading(const std::string& text) { return {BvtBlockKind::Heading, text}; }
BvtBlock Paragraph(const std::string& text) { return {BvtBlockKind::Paragraph, text}; }

struct GoodCase {
    const char* name;
    std::string text;
    std::string title;
    std::string author;
    std::vector<BvtBlock> blocks;
};

class GoodDocuments : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodDocuments, Parse) {
    const GoodCase& c = GetParam();
    const BvtDocument document = Parse(c.text);
    EXPECT_EQ(document.title, c.title);
    EXPECT_EQ(document.author, c.author);
    EXPECT_EQ(document.blocks, c.blocks);
}

INSTANTIATE_TEST_SUITE_P(
    Bvt, GoodDocuments,
    ::testing::Values(
        GoodCase{"TitleOnlyNoFinalBreak", "BVT1\nTitle: T", "T", "", {}},
        GoodCase{"TitleAndEmptyBody", "BVT1\nTitle: T\n\n", "T", "", {}},
        GoodCase{"CrLfLines", "BVT1\r\nTitle: T\r\nAuthor: A\r\n\r\nx\r\ny\r\n", "T", "A", {Paragraph("x y")}},
        GoodCase{"NamesAnyCaseValuesTrimmed", "BVT1\ntitle:   Spaced  \nAUTHOR:\tMe\t\n\nx", "Spaced", "Me",
                 {Paragraph("x")}},
        GoodCase{"UnknownHeaderNamesSkipped", "BVT1\nTitle: T\nLanguage: en\n\nx", "T", "", {Paragraph("x")}},
        GoodCase{"LaterTitleWins", "BVT1\nTitle: One\nTitle: Two\n", "Two", "", {}},
        GoodCase{"HeadingsAndParagraphs",
                 "BVT1\nTitle: T\n\n# First\nline one\nline two\n\n\n  \n# Second\n\n#not heading\n", "T", "",
                 {Heading("First line one line two"), Heading("Second"), Paragraph("#not heading")}},
        GoodCase{"LinesTrimmedWhenJoined", "BVT1\nTitle: T\n\n  a  \n\tb\n", "T", "", {Paragraph("a b")}},
        GoodCase{"AnsiBytesKept", "BVT1\nTitle: Caf\xe9\n\n\xfc\xdf", "Caf\xe9", "", {Paragraph("\xfc\xdf")}},
        GoodCase{"HeaderEndsAtWhitespaceLine", "BVT1\nTitle: T\n \t\nx", "T", "", {Paragraph("x")}}),
    [](const ::testing::TestParamInfo<GoodCase>& info) { return info.param.name; });

struct BadCase {
    const char* name;
    std::string text;
    const char* message;
};

class BadDocuments : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadDocuments, RaiseFormatErrorWithReason) {
    const BadCase& c = GetParam();
    try {
        Parse(c.text);
        FAIL() << "no error for " << c.name;
    } catch (const EBvtFormatError& e) {
        EXPECT_EQ(e.Message(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bvt, BadDocuments,
    ::testing::Values(
        BadCase{"Empty", "", "The file is not a Brivanta document."},
        BadCase{"WrongSignature", "BVT2\nTitle: T\n", "The file is not a Brivanta document."},
        BadCase{"SignatureWithTrailingText", "BVT1 \nTitle: T\n", "The file is not a Brivanta document."},
        BadCase{"BinaryFile", std::string("GIF89a\x01\x00\x00", 9), "The file is not a Brivanta document."},
        BadCase{"SignatureWithLoneCr", "BVT1\rTitle: T\n", "The file is not a Brivanta document."},
        BadCase{"ShortSignature", "BVT", "The file is not a Brivanta document."},
        BadCase{"SignatureLowerCase", "bvt1\nTitle: T\n", "The file is not a Brivanta document."},
        BadCase{"NoTitle", "BVT1\nAuthor: A\n\nbody", "The document has no title."},
        BadCase{"EmptyTitle", "BVT1\nTitle:   \n", "The document has no title."},
        BadCase{"SignatureOnly", "BVT1\n", "The document has no title."},
        BadCase{"HeaderWithoutColon", "BVT1\nTitle T\n", "Line 2 of the document header is not of the form \"Name: value\"."},
        BadCase{"HeaderNameWithDigit", "BVT1\nTitle: T\nX1: y\n",
                "Line 3 of the document header is not of the form \"Name: value\"."},
        BadCase{"HeaderStartsWithColon", "BVT1\n: T\n", "Line 2 of the document header is not of the form \"Name: value\"."},
        BadCase{"NulInBody", std::string("BVT1\nTitle: T\n\nab\0c", 18),
                "Line 4 of the document contains a control character."},
        BadCase{"StrayCarriageReturn", "BVT1\nTitle: T\r\r\n", "Line 2 of the document contains a control character."},
        BadCase{"Delete", "BVT1\nTitle: \x7f\n", "Line 2 of the document contains a control character."},
        BadCase{"TitleTooLong", "BVT1\nTitle: " + std::string(201, 'x') + "\n",
                "The document title is longer than 200 characters."},
        BadCase{"TooManyHeaderLines", "BVT1\nTitle: T\n" + Repeat("Note: n\n", 16),
                "The document header has more than 16 lines."}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return info.param.name; });

TEST(BvtDocument, TitleOfExactlyTheLimitIsAccepted) {
    EXPECT_EQ(Parse("BVT1\nTitle: " + std::string(200, 'x')).title.size(), 200u);
}

TEST(BvtDocument, SixteenHeaderLinesAreAccepted) {
    EXPECT_EQ(Parse("BVT1\nTitle: T\n" + Repeat("Note: n\n", 15)).title, "T");
}

TEST(BvtDocument, SizeLimitIsCheckedBeforeParsing) {
    std::string text = "BVT1\nTitle: T\n\n";
    text.resize(kBvtMaxDocumentSize, 'x');
    EXPECT_EQ(Parse(text).blocks.size(), 1u);
    text.push_back('x');
    EXPECT_THROW(Parse(text), EBvtFormatError);
}

TEST(BvtDocument, ReaderStaysInsideItsBufferAtEveryTruncation) {
    const std::string full = "BVT1\r\nTitle: T\r\nAuthor: A\r\n\r\n# H\r\npara\r\n";
    for (std::size_t n = 0; n <= full.size(); ++n) {
        // A copy of exactly n bytes: any read past it is caught by sanitizers.
        std::unique_ptr<char[]> bytes(new char[n == 0 ? 1 : n]);
        std::copy(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n), bytes.get());
        try {
            ParseBvtDocument(bytes.get(), n);
        } catch (const EBvtFormatError&) {
        }
    }
}

TEST(BvtDocument, LoadsTheShippedSample) {
    const BvtDocument document = LoadBvtDocument(BVT_SOURCE_DIR "/payload/sample.bvt");
    EXPECT_EQ(document.title, "Welcome to Brivanta");
    EXPECT_EQ(document.author, "The Brivanta team");
    ASSERT_GE(document.blocks.size(), 4u);
    EXPECT_EQ(document.blocks[1], Heading("Opening documents"));
}

TEST(BvtDocument, MissingFileRaisesOpenError) {
    EXPECT_THROW(LoadBvtDocument(BVT_BINARY_DIR "/no-such-document.bvt"), EFOpenError);
}

}  // namespace
