#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "Application.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComponentStreaming.h"
#include "DescriptionCompiler.h"
#include "Edit.h"
#include "Form.h"
#include "GroupBox.h"
#include "GuiClasses.h"
#include "Label.h"
#include "ProgressBar.h"
#include "Screen.h"
#include "TypeInfo.h"

namespace bvt {
namespace {

class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner) {
        BindHandler("OkClick", [this](TComponent*) { ++clicks; });
        BindHandler("FailClick", [](TComponent*) { throw Exception("Handler failed"); });
        BindHandler("FormShow", [this](TComponent*) { ++shows; });
    }
    int clicks = 0;
    int shows = 0;
};

const char kDescription[] = R"(
object TestForm: TTestForm
  ActiveControl = 'b_Ok'
  BorderStyle = bsDialog
  Caption = 'Layer test'
  ClientWidth = 300
  ClientHeight = 200
  Font.Name = 'Tahoma'
  Font.Height = -11
  Position = poScreenCenter
  OnShow = 'FormShow'
  object Label1: TLabel
    Left = 8
    Top = 8
    Caption = 'First line'#13#10'Second line'
  end
  object Group: TGroupBox
    Left = 8
    Top = 50
    Width = 200
    Height = 60
    Caption = 'Group'
    TabOrder = 2
    object e_Text: TEdit
      Left = 8
      Top = 20
      Width = 100
      Height = 21
      TabOrder = 0
    end
  end
  object b_Ok: TButton
    Left = 8
    Top = 150
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 1
    OnClick = 'OkClick'
  end
  object b_Fail: TButton
    Left = 100
    Top = 150
    Width = 75
    Height = 25
    Caption = 'Fail'
    TabOrder = 0
    OnClick = 'FailClick'
  end
  object chb_One: TCheckBox
    Left = 220
    Top = 20
    Width = 70
    Height = 17
    Caption = 'One'
    Checked = True
    TabOrder = 3
  end
  object bar: TProgressBar
    Left = 0
    Top = 187
    Width = 300
    Height = 13
    Align = alBottom
    Visible = False
  end
end
)";

std::vector<std::uint8_t> Compile(const std::string& text) {
    return CompileText(text, {});
}

class GuiLayer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterGuiClasses();
        RegisterClass<TTestForm>("TTestForm", "TForm");
    }
    void SetUp() override {
        Application.SetOnException([this](const std::exception& e) { errors.push_back(e.what()); });
        const std::vector<std::uint8_t> binary = Compile(kDescription);
        form = new TTestForm(nullptr);
        form->LoadFromDescription(binary.data(), binary.size());
    }
    void TearDown() override {
        delete form;
        Application.SetOnException(nullptr);
    }
    HWND Child(const char* name) { return form->Find<TControl>(name)->Handle(); }
    void Pump() {
        for (int i = 0; i < 5; ++i) {
            Application.ProcessMessages();
            Sleep(20);
        }
    }

    TTestForm* form = nullptr;
    std::vector<std::string> errors;
};

TEST_F(GuiLayer, ControlIdsFollowTheDescriptionAndWindowsNestInTheirContainers) {
    const char* names[] = {"Label1", "Group", "e_Text", "b_Ok", "b_Fail", "chb_One", "bar"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(GetDlgCtrlID(Child(names[i])), 100 + i) << names[i];
    EXPECT_EQ(GetParent(Child("e_Text")), Child("Group"));
    EXPECT_EQ(GetParent(Child("b_Ok")), form->Handle());
    char className[64];
    GetClassNameA(form->Handle(), className, sizeof className);
    EXPECT_STREQ(className, "TTestForm");
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
}

TEST_F(GuiLayer, LabelSizesItselfToItsLines) {
    auto* label = form->Find<TLabel>("Label1");
    const int twoLines = label->Height();
    EXPECT_GT(label->Width(), 20);
    label->SetCaption("x");
    const int oneLine = label->Height();
    EXPECT_LT(oneLine, twoLines);
    label->SetCaption("a\r\nb\r\nc");
    EXPECT_GT(label->Height(), twoLines);
}

TEST_F(GuiLayer, TabOrderGoesByTabOrderIntoContainers) {
    form->Show();
    Pump();
    EXPECT_EQ(GetFocus(), Child("b_Ok"));  // ActiveControl
    std::vector<HWND> order;
    HWND h = Child("b_Fail");
    for (int i = 0; i < 4; ++i) {
        order.push_back(h);
        h = GetNextDlgTabItem(form->Handle(), h, FALSE);
    }
    EXPECT_EQ(order, (std::vector<HWND>{Child("b_Fail"), Child("b_Ok"), Child("e_Text"), Child("chb_One")}));
    EXPECT_EQ(form->shows, 1);
}

TEST_F(GuiLayer, ClickRunsTheBoundHandlerAndChecksStayReadable) {
    SendMessageA(Child("b_Ok"), BM_CLICK, 0, 0);
    EXPECT_EQ(form->clicks, 1);
    auto* check = form->Find<TCheckBox>("chb_One");
    EXPECT_TRUE(check->Checked());
    SendMessageA(check->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(check->Checked());
}

TEST_F(GuiLayer, ExceptionInAHandlerReachesTheApplicationHandlerNotTheCaller) {
    SendMessageA(Child("b_Fail"), BM_CLICK, 0, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Handler failed");
    EXPECT_EQ(WithFullStop("Handler failed"), "Handler failed.");
    EXPECT_EQ(WithFullStop("Done."), "Done.");
}

TEST_F(GuiLayer, EnterClicksOnlyAFocusedPushButtonAndEscapeDoesNothing) {
    form->Show();
    Pump();
    auto press = [&](HWND target, WPARAM key) {
        SetFocus(target);
        PostMessageA(target, WM_KEYDOWN, key, 0);
        PostMessageA(target, WM_KEYUP, key, 0xC0000001);
        Pump();
    };
    press(Child("b_Ok"), VK_RETURN);
    EXPECT_EQ(form->clicks, 1);
    press(Child("e_Text"), VK_RETURN);
    press(Child("chb_One"), VK_RETURN);
    press(Child("b_Ok"), VK_ESCAPE);
    EXPECT_EQ(form->clicks, 1);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(GuiLayer, BottomAlignedBarFillsTheStripAddedBelow) {
    form->Show();
    auto* bar = form->Find<TProgressBar>("bar");
    form->SetHeight(form->Height() - 13);
    form->SetHeight(form->Height() + 13);
    bar->SetVisible(true);
    RECT r;
    GetWindowRect(bar->Handle(), &r);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 187);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 200);
    bar->SetPosition(60);
    EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), 60);
}

TEST_F(GuiLayer, HourglassAnswersSetCursorOverEveryWindow) {
    Screen.SetCursor(crHourGlass);
    for (const char* name : {"e_Text", "b_Ok", "Group"}) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        EXPECT_TRUE(SendMessageA(Child(name), WM_SETCURSOR, reinterpret_cast<WPARAM>(Child(name)),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT)) << name;
    }
    Screen.SetCursor(crDefault);
    EXPECT_FALSE(SendMessageA(Child("b_Ok"), WM_SETCURSOR, reinterpret_cast<WPARAM>(Child("b_Ok")),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
}

TEST(GuiLayerLoading, AnUnknownHandlerNameFailsTheWholeForm) {
    RegisterGuiClasses();
    RegisterClass<TTestForm>("TTestForm", "TForm");
    std::string text = kDescription;
    text.replace(text.find("'OkClick'"), 9, "'Missing'");
    const std::vector<std::uint8_t> binary = Compile(text);
    TTestForm form(nullptr);
    try {
        form.LoadFromDescription(binary.data(), binary.size());
        FAIL() << "loaded";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("no event handler 'Missing'"), std::string::npos) << e.what();
    }
    EXPECT_EQ(form.ComponentCount(), 0u);
    EXPECT_FALSE(form.HandleAllocated());
}

}  // namespace
}  // namespace bvt
