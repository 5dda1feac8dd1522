// The text form: what it accepts, that formatting and parsing are inverse,
// and errors that name the line.
#include <gtest/gtest.h>

#include "BinaryDescription.h"
#include "ComponentStreaming.h"
#include "DescriptionCompiler.h"
#include "TextDescription.h"

namespace bvt {
namespace {

const char* const FormText = R"(// the main window
object Form1: TForm1
  Left = 192
  Top = -5
  Mask = $FF
  Caption = 'Brivanta ''One'' Step'#13#10'Install'
  Font.Name = 'Tah' +
    'oma' // joined
  Url = 'http://x//y'
  BorderIcons = [biSystemMenu, biHelp]
  NoIcons = []
  BorderStyle = bsDialog
  Visible = False
  Enabled = true
  Picture.Data = {
    0A54FF
    00}
  object pn_1: TPanel
    object im_1: TImage
      Picture.Data = {}
    end
  end
  object TZipMaster
    ExtrOptions = [ExtrOverWrite]
  end
end
)";

TEST(TextDescription, ParsesEveryValueKind) {
    const DescObject root = ParseDescriptionText(FormText, nullptr);
    EXPECT_EQ(root.className, "TForm1");
    EXPECT_EQ(root.name, "Form1");
    const std::vector<DescProperty> expected = {
        {"Left", DescValue::OfInteger(192), 0},
        {"Top", DescValue::OfInteger(-5), 0},
        {"Mask", DescValue::OfInteger(255), 0},
        {"Caption", DescValue::OfString("Brivanta 'One' Step\r\nInstall"), 0},
        {"Font.Name", DescValue::OfString("Tahoma"), 0},
        {"Url", DescValue::OfString("http://x//y"), 0},
        {"BorderIcons", DescValue::OfSet({"biSystemMenu", "biHelp"}), 0},
        {"NoIcons", DescValue::OfSet({}), 0},
        {"BorderStyle", DescValue::OfIdentifier("bsDialog"), 0},
        {"Visible", DescValue::OfBoolean(false), 0},
        {"Enabled", DescValue::OfBoolean(true), 0},
        {"Picture.Data", DescValue::OfBinary({0x0A, 0x54, 0xFF, 0x00}), 0},
    };
    EXPECT_EQ(root.properties, expected);
    EXPECT_EQ(root.properties[3].line, 6);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].children.at(0).name, "im_1");
    EXPECT_EQ(root.children[0].children.at(0).properties.at(0).value, DescValue::OfBinary({}));
    EXPECT_EQ(root.children[1].name, "");
    EXPECT_EQ(root.children[1].className, "TZipMaster");
}

TEST(TextDescription, FormatParsesBackToTheSameTreeAndBinary) {
    const DescObject root = ParseDescriptionText(FormText, nullptr);
    const std::string text = FormatDescriptionText(root, RawDataStyle::Hex);
    EXPECT_EQ(ParseDescriptionText(text, nullptr), root);
    const std::vector<std::uint8_t> binary = CompileText(FormText, {});
    EXPECT_EQ(DecompileToText(binary.data(), binary.size()), text);
    EXPECT_EQ(CompileText(text, {}), binary);
}

TEST(TextDescription, StringsWithQuotesAndControlCharactersSurviveFormatting) {
    const std::vector<std::string> values = {"", "'", "''", "a'b", "\r\n", "line\r\nnext", std::string("\0x\x7f", 3),
                                             "\xe9t\xe9", "#13", "// not a comment"};
    for (const std::string& v : values) {
        DescObject o{"T", "x", {{"S", DescValue::OfString(v), 0}}, {}, 0};
        const std::string text = FormatDescriptionText(o, RawDataStyle::Hex);
        EXPECT_EQ(ParseDescriptionText(text, nullptr).properties.at(0).value.text, v) << text;
    }
    DescObject o{"T", "x", {{"S", DescValue::OfString("line\r\nnext"), 0}}, {}, 0};
    EXPECT_EQ(FormatDescriptionText(o, RawDataStyle::Hex), "object x: T\n  S = 'line'#13#10'next'\nend\n");
}

TEST(TextDescription, LongRawDataIsWrappedAndShownBySizeOnRequest) {
    std::vector<std::uint8_t> bytes(100);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    DescObject o{"T", "x", {{"D", DescValue::OfBinary(bytes), 0}}, {}, 0};
    const std::string hex = FormatDescriptionText(o, RawDataStyle::Hex);
    EXPECT_EQ(ParseDescriptionText(hex, nullptr).properties.at(0).value.bytes, bytes);
    EXPECT_EQ(FormatDescriptionText(o, RawDataStyle::Size), "object x: T\n  D = <100 bytes>\nend\n");
}

TEST(TextDescription, RawDataFromFilesComesThroughTheLoader) {
    std::vector<std::string> asked;
    const RawFileLoader loader = [&](const std::string& name) {
        asked.push_back(name);
        if (name == "missing.bmp") throw EDescriptionError("file 'missing.bmp' not found");
        return std::vector<std::uint8_t>{1, 2, 3};
    };
    const DescObject o = ParseDescriptionText("object x: T\n  Picture.Data = @'art/' + 'a.bmp'\nend", loader);
    EXPECT_EQ(o.properties.at(0).value.bytes, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(asked, std::vector<std::string>{"art/a.bmp"});
    try {
        ParseDescriptionText("object x: T\n\n  D = @'missing.bmp'\nend", loader);
        FAIL();
    } catch (const EDescriptionError& e) {
        EXPECT_EQ(e.Message(), "Line 3: file 'missing.bmp' not found");
    }
}

struct ErrorCase {
    const char* text;
    const char* message;
};

TEST(TextDescription, ErrorsNameTheLine) {
    const std::vector<ErrorCase> cases = {
        {"", "Line 1: 'object' expected"},
        {"object x: T\n", "Line 2: 'end' expected"},
        {"object x: T\n  A = 1\n  B 2\nend", "Line 3: '=' expected"},
        {"object x: T\n  A =\nend", "Line 3: value expected"},
        {"object x: T\n  A = 'open\nend", "Line 2: unterminated string"},
        {"object x: T\n  A = {0A 1}\nend", "Line 2: odd number of hex digits in raw data"},
        {"object x: T\n  A = {0G}\nend", "Line 2: hex digit expected in raw data"},
        {"object x: T\n  A = {00\n", "Line 2: unterminated raw data ('}' expected)"},
        {"object x: T\n  A = 99999999999999999999\nend", "Line 2: integer out of range"},
        {"object x: T\n  A = 12ab\nend", "Line 2: bad character in number"},
        {"object x: T\n  A = #300\nend", "Line 2: character code 300 out of range"},
        {"object x: T\n  A = 'a' +\n  B = 1\nend", "Line 3: string expected after '+'"},
        {"object x: T\n  A = [a, 1]\nend", "Line 2: identifier expected"},
        {"object x: T\n  A = [a\nend", "Line 3: ']' expected"},
        {"object x: T\n  A..B = 1\nend", "Line 2: bad property name 'A..B'"},
        {"object x: T\n  A = ?\nend", "Line 2: unexpected character '?'"},
        {"object x: T\n  object y: U\n  end\n  A = 1\nend", "Line 4: properties must come before child objects"},
        {"object x: T\nend\nobject", "Line 3: text after the final 'end'"},
        {"object x: 5\nend", "Line 1: class name expected"},
        {"object x: T\n  A = @'f'\nend", "Line 2: raw data from files is not available here"},
    };
    for (const ErrorCase& c : cases) {
        try {
            ParseDescriptionText(c.text, nullptr);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EDescriptionError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.text;
        }
    }
}

TEST(TextDescription, NestingIsBounded) {
    std::string text;
    for (int i = 0; i <= MaxDescriptionDepth; ++i) text += "object T\n";
    for (int i = 0; i <= MaxDescriptionDepth; ++i) text += "end\n";
    EXPECT_THROW(ParseDescriptionText(text, nullptr), EDescriptionError);
}

}  // namespace
}  // namespace bvt
