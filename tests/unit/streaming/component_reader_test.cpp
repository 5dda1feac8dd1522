// Reading descriptions into components: order of the calls, exact raw-data
// streams, error messages that name component and property, and no
// half-built result after any failure.
#include <gtest/gtest.h>

#include "ComponentStreaming.h"
#include "BinaryDescription.h"
#include "DescriptionCompiler.h"
#include "ProbeClasses.h"
#include "TextDescription.h"

namespace bvt {
namespace {

using test::ProbeLog;
using test::TProbe;

// Text to binary without instantiating anything, so the reader sees the
// properties exactly as written.
std::vector<std::uint8_t> Compile(const std::string& text) { return EncodeDescription(ParseDescriptionText(text, nullptr)); }

class ComponentReader : public ::testing::Test {
protected:
    void SetUp() override {
        test::RegisterProbeClasses();
        ProbeLog::Reset();
    }
};

const char* const Form = R"(
object Form1: TProbe
  Caption = 'Main'
  object pn_1: TProbeBox
    Left = 8
    object im_1: TProbe
      Data = {0102}
      Left = 7
    end
  end
  object b_Ok: TProbe
    Font.Name = 'Tahoma'
    BorderStyle = bsDialog
    BorderIcons = [biSystemMenu, biHelp]
    Visible = False
  end
end
)";

TEST_F(ComponentReader, CreatesChildrenOwnedByTheRootParentedByTheEnclosingObject) {
    const std::vector<std::uint8_t> binary = Compile(Form);
    TProbe root(nullptr);
    ProbeLog::Reset();
    ReadRootComponent(root, binary.data(), binary.size());

    EXPECT_EQ(root.Name(), "Form1");
    EXPECT_EQ(root.caption, "Main");
    ASSERT_EQ(root.ComponentCount(), 3u);
    auto* panel = root.Find<test::TProbeBox>("pn_1");
    auto* image = root.Find<TProbe>("im_1");
    auto* button = root.Find<TProbe>("b_Ok");
    ASSERT_TRUE(panel && image && button);
    EXPECT_EQ(panel->Owner(), &root);
    EXPECT_EQ(image->Owner(), &root);
    EXPECT_EQ(panel->parent, &root);
    EXPECT_EQ(image->parent, panel);
    EXPECT_EQ(image->data, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(button->fontName, "Tahoma");
    EXPECT_EQ(button->borderStyle, 2);
    EXPECT_EQ(button->borderIcons, 0b1001u);
    EXPECT_FALSE(button->visible);
    // The parent is known before any property is set (the name comes with
    // it: the log shows the name at the time of each call); properties
    // follow in description order; Loaded runs once everything exists.
    const std::vector<std::string> expected = {
        "Form1.Caption", ".parent=Form1",  "pn_1.Left",        ".parent=pn_1",  "im_1.Data",      "im_1.Left",
        ".parent=Form1", "b_Ok.Font.Name", "b_Ok.BorderStyle", "b_Ok.BorderIcons",  "b_Ok.Visible",
        "pn_1.Loaded",   "im_1.Loaded",    "b_Ok.Loaded",      "Form1.Loaded"};
    EXPECT_EQ(ProbeLog::events, expected);
}

TEST_F(ComponentReader, ReadComponentCreatesTheRootByClassAndWriteComponentWritesItBack) {
    const std::vector<std::uint8_t> binary = Compile(
        "object Form1: TProbe\n Left = -3\n Caption = 'a''b'#10\n Data = {FF00}\n object c: TProbe\n end\nend\n");
    std::unique_ptr<TComponent> root = ReadComponent(binary.data(), binary.size());
    auto* probe = dynamic_cast<TProbe*>(root.get());
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->left, -3);
    EXPECT_EQ(probe->caption, "a'b\n");
    probe->hasData = true;
    const std::vector<std::uint8_t> written = WriteComponent(*probe);
    // Published properties in registration order when stored, then raw data.
    EXPECT_EQ(DecompileToText(written.data(), written.size()),
              "object Form1: TProbe\n"
              "  Left = -3\n  Caption = 'a''b'#10\n  Visible = True\n  BorderStyle = bsNone\n  BorderIcons = []\n"
              "  Data = {\n    FF00}\n"
              "  object c: TProbe\n"
              "    Left = 0\n    Caption = ''\n    Visible = True\n    BorderStyle = bsNone\n    BorderIcons = []\n"
              "  end\n"
              "end\n");
}

TEST_F(ComponentReader, RawReaderGetsExactlyItsBytesAndCannotReadTheNextProperty) {
    const std::vector<std::uint8_t> binary =
        Compile("object Form1: TProbe\n object a: TProbe\n  Greedy = {0102}\n  Caption = 'next'\n end\nend\n");
    TProbe root(nullptr);
    try {
        ReadRootComponent(root, binary.data(), binary.size());
        FAIL() << "a greedy reader read past its property";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

struct FailureCase {
    const char* name;
    const char* text;
    const char* message;
    int constructedBeforeFailure;  // probes, the root not counted
};

TEST_F(ComponentReader, FailuresNameComponentAndPropertyAndDestroyEverythingCreated) {
    const std::vector<FailureCase> cases = {
        {"unknown class", "object Form1: TProbe\n object a: TProbe\n end\n object Zip: TNoSuchClass\n end\nend",
         "Form1.Zip: unknown class 'TNoSuchClass'", 1},
        {"unknown property", "object Form1: TProbe\n object a: TProbe\n end\n object Zip: TProbe\n  Foo = 1\n end\nend",
         "Form1.Zip: unknown property 'Foo'", 2},
        {"wrong type", "object Form1: TProbe\n object a: TProbe\n  Left = 'x'\n end\nend",
         "Form1.a: property 'Left' needs an integer, not a string", 1},
        {"raw data given a string", "object Form1: TProbe\n object a: TProbe\n  Data = 'x'\n end\nend",
         "Form1.a: property 'Data' needs raw data, not a string", 1},
        {"bad identifier", "object Form1: TProbe\n object a: TProbe\n  BorderStyle = bsRound\n end\nend",
         "Form1.a: invalid value 'bsRound' for property 'BorderStyle'", 1},
        {"bad set element", "object Form1: TProbe\n object a: TProbe\n  BorderIcons = [biSystemMenu, biX]\n end\nend",
         "Form1.a: invalid value 'biX' for property 'BorderIcons'", 1},
        {"nested failure", "object Form1: TProbe\n object p: TProbeBox\n  object q: TProbe\n   Foo = True\n  end\n end\nend",
         "Form1.q: unknown property 'Foo'", 2},
        {"duplicate name", "object Form1: TProbe\n object a: TProbe\n end\n object A: TProbe\n end\nend",
         "Form1.A: a component named 'A' already exists", 1},
        {"setter error passes unchanged", "object Form1: TProbe\n object a: TProbe\n  Explode = True\n end\nend",
         "Explode was set", 1},
        {"unknown property on the root", "object Form1: TProbe\n Foo = 1\nend", "Form1: unknown property 'Foo'", 0},
    };
    for (const FailureCase& c : cases) {
        const std::vector<std::uint8_t> binary = Compile(c.text);
        TProbe root(nullptr);
        ProbeLog::Reset();
        try {
            ReadRootComponent(root, binary.data(), binary.size());
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << c.name;
        }
        EXPECT_EQ(ProbeLog::constructed, c.constructedBeforeFailure) << c.name;
        EXPECT_EQ(ProbeLog::destroyed, c.constructedBeforeFailure) << c.name;
        EXPECT_EQ(root.ComponentCount(), 0u) << c.name;
    }
}

TEST_F(ComponentReader, ReadComponentDestroysTheRootToo) {
    const std::vector<std::uint8_t> binary = Compile("object Form1: TProbe\n object a: TProbe\n  Foo = 1\n end\nend");
    EXPECT_THROW(ReadComponent(binary.data(), binary.size()), EDescriptionError);
    EXPECT_EQ(ProbeLog::constructed, 2);
    EXPECT_EQ(ProbeLog::destroyed, 2);
}

TEST_F(ComponentReader, DamagedDescriptionCreatesNothing) {
    std::vector<std::uint8_t> binary = Compile(Form);
    binary.back() ^= 1;
    TProbe root(nullptr);
    ProbeLog::Reset();
    try {
        ReadRootComponent(root, binary.data(), binary.size());
        FAIL();
    } catch (const EDescriptionError& e) {
        EXPECT_EQ(e.Message(), "Window description is damaged (checksum mismatch)");
    }
    EXPECT_EQ(ProbeLog::constructed, 0);
    EXPECT_TRUE(ProbeLog::events.empty());
    EXPECT_EQ(root.Name(), "");
}

TEST_F(ComponentReader, RootClassMustMatchTheComponentOrAnAncestor) {
    const std::vector<std::uint8_t> boxDescription = Compile("object Form1: TProbeBox\nend");
    const std::vector<std::uint8_t> probeDescription = Compile("object Form1: TProbe\nend");
    TProbe probe(nullptr);
    try {
        ReadRootComponent(probe, boxDescription.data(), boxDescription.size());
        FAIL();
    } catch (const EDescriptionError& e) {
        EXPECT_EQ(e.Message(), "Form1: a TProbeBox description cannot be read into a TProbe");
    }
    test::TProbeBox box(nullptr);
    ReadRootComponent(box, probeDescription.data(), probeDescription.size());
    EXPECT_EQ(box.Name(), "Form1");
}

}  // namespace
}  // namespace bvt
