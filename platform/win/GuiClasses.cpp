#include "GuiClasses.h"

#include "Bevel.h"
#include "Button.h"
#include "CheckBox.h"
#include "Edit.h"
#include "Form.h"
#include "GroupBox.h"
#include "Image.h"
#include "Label.h"
#include "Panel.h"
#include "ProgressBar.h"
#include "SpeedButton.h"
#include "TypeInfo.h"

namespace bvt {

namespace {

void RegisterControl() {
    RegisterClass<TControl>("TControl", "TComponent")
        .Integer("Left", [](TControl& c) { return c.Left(); }, [](TControl& c, std::int64_t v) { c.SetLeft(static_cast<int>(v)); })
        .Integer("Top", [](TControl& c) { return c.Top(); }, [](TControl& c, std::int64_t v) { c.SetTop(static_cast<int>(v)); })
        .Integer("Width", [](TControl& c) { return c.Width(); }, [](TControl& c, std::int64_t v) { c.SetWidth(static_cast<int>(v)); })
        .Integer("Height", [](TControl& c) { return c.Height(); }, [](TControl& c, std::int64_t v) { c.SetHeight(static_cast<int>(v)); })
        .String("Caption", [](TControl& c) { return c.Caption(); }, [](TControl& c, const std::string& v) { c.SetCaption(v); })
        .Boolean("Visible", [](TControl& c) { return c.Visible(); }, [](TControl& c, bool v) { c.SetVisible(v); })
        .Boolean("Enabled", [](TControl& c) { return c.Enabled(); }, [](TControl& c, bool v) { c.SetEnabled(v); })
        .String("Font.Name", [](TControl& c) { return c.Font().name; },
                [](TControl& c, const std::string& v) { c.Font().name = v; c.FontChanged(); })
        .Integer("Font.Height", [](TControl& c) { return c.Font().height; },
                 [](TControl& c, std::int64_t v) { c.Font().height = static_cast<int>(v); c.FontChanged(); })
        .Set("Font.Style", FontStyleIdentifiers(), [](TControl& c) { return c.Font().style; },
             [](TControl& c, std::uint32_t v) { c.Font().style = v; c.FontChanged(); })
        .Enum("Font.Color", ColorIdentifiers(), [](TControl& c) { return ColorOrdinal(c.Font().color); },
              [](TControl& c, int v) { c.Font().color = ColorFromOrdinal(v); c.FontChanged(); })
        .Boolean("ParentFont", [](TControl& c) { return c.ParentFont(); }, [](TControl& c, bool v) { c.SetParentFont(v); })
        .Enum("Color", ColorIdentifiers(), [](TControl& c) { return ColorOrdinal(c.Color()); },
              [](TControl& c, int v) { c.SetColor(ColorFromOrdinal(v)); })
        .Integer("TabOrder", [](TControl& c) { return c.TabOrder(); }, [](TControl& c, std::int64_t v) { c.SetTabOrder(static_cast<int>(v)); })
        .Boolean("TabStop", [](TControl& c) { return c.TabStop(); }, [](TControl& c, bool v) { c.SetTabStop(v); })
        .Enum("Cursor", CursorIdentifiers(), [](TControl& c) { return static_cast<int>(c.Cursor()); },
              [](TControl& c, int v) { c.SetCursor(static_cast<TCursor>(v)); })
        .Enum("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
              [](TControl& c) { return static_cast<int>(c.Align()); }, [](TControl& c, int v) { c.SetAlign(static_cast<TAlign>(v)); })
        .String("OnClick", [](TControl& c) { return c.OnClick(); }, [](TControl& c, const std::string& v) { c.SetOnClick(v); });
    RegisterClass<TWinControl>("TWinControl", "TControl");
}

void RegisterForm() {
    RegisterClass<TForm>("TForm", "TWinControl")
        .Enum("BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
              [](TForm& f) { return static_cast<int>(f.BorderStyle()); },
              [](TForm& f, int v) { f.SetBorderStyle(static_cast<TFormBorderStyle>(v)); })
        .Enum("FormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"},
              [](TForm& f) { return static_cast<int>(f.FormStyle()); },
              [](TForm& f, int v) { f.SetFormStyle(static_cast<TFormStyle>(v)); })
        .Enum("Position", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter"},
              [](TForm& f) { return static_cast<int>(f.Position()); },
              [](TForm& f, int v) { f.SetPosition(static_cast<TPosition>(v)); })
        .Integer("ClientWidth", [](TForm& f) { return f.DesignClientWidth(); },
                 [](TForm& f, std::int64_t v) { f.SetClientWidth(static_cast<int>(v)); })
        .Integer("ClientHeight", [](TForm& f) { return f.DesignClientHeight(); },
                 [](TForm& f, std::int64_t v) { f.SetClientHeight(static_cast<int>(v)); })
        .String("ActiveControl", [](TForm& f) { return f.ActiveControlName(); },
                [](TForm& f, const std::string& v) { f.SetActiveControlName(v); })
        .String("OnShow", [](TForm& f) { return f.OnShow(); }, [](TForm& f, const std::string& v) { f.SetOnShow(v); })
        .String("OnDeactivate", [](TForm& f) { return f.OnDeactivate(); },
                [](TForm& f, const std::string& v) { f.SetOnDeactivate(v); });
}

void RegisterControls() {
    RegisterClass<TLabel>("TLabel", "TControl")
        .Boolean("AutoSize", [](TLabel& c) { return c.AutoSize(); }, [](TLabel& c, bool v) { c.SetAutoSize(v); })
        .Boolean("WordWrap", [](TLabel& c) { return c.WordWrap(); }, [](TLabel& c, bool v) { c.SetWordWrap(v); });
    RegisterClass<TBevel>("TBevel", "TControl")
        .Enum("Shape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"},
              [](TBevel& c) { return static_cast<int>(c.Shape()); }, [](TBevel& c, int v) { c.SetShape(static_cast<TBevelShape>(v)); })
        .Enum("Style", {"bsLowered", "bsRaised"}, [](TBevel& c) { return static_cast<int>(c.Style()); },
              [](TBevel& c, int v) { c.SetStyle(static_cast<TBevelStyle>(v)); });
    RegisterClass<TImage>("TImage", "TControl")
        .Boolean("AutoSize", [](TImage& c) { return c.AutoSize(); }, [](TImage& c, bool v) { c.SetAutoSize(v); });
    const std::vector<std::string> cuts = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    RegisterClass<TPanel>("TPanel", "TWinControl")
        .Enum("BevelInner", cuts, [](TPanel& c) { return static_cast<int>(c.BevelInner()); },
              [](TPanel& c, int v) { c.SetBevelInner(static_cast<TBevelCut>(v)); })
        .Enum("BevelOuter", cuts, [](TPanel& c) { return static_cast<int>(c.BevelOuter()); },
              [](TPanel& c, int v) { c.SetBevelOuter(static_cast<TBevelCut>(v)); })
        .Integer("BevelWidth", [](TPanel& c) { return c.BevelWidth(); },
                 [](TPanel& c, std::int64_t v) { c.SetBevelWidth(static_cast<int>(v)); });
    RegisterClass<TGroupBox>("TGroupBox", "TWinControl");
    RegisterClass<TEdit>("TEdit", "TControl")
        .String("Text", [](TEdit& c) { return c.Text(); }, [](TEdit& c, const std::string& v) { c.SetText(v); });
    RegisterClass<TButton>("TButton", "TControl");
    RegisterClass<TSpeedButton>("TSpeedButton", "TControl")
        .Boolean("Flat", [](TSpeedButton& c) { return c.Flat(); }, [](TSpeedButton& c, bool v) { c.SetFlat(v); })
        .Integer("NumGlyphs", [](TSpeedButton& c) { return c.NumGlyphs(); },
                 [](TSpeedButton& c, std::int64_t v) { c.SetNumGlyphs(static_cast<int>(v)); });
    RegisterClass<TCheckBox>("TCheckBox", "TControl")
        .Boolean("Checked", [](TCheckBox& c) { return c.Checked(); }, [](TCheckBox& c, bool v) { c.SetChecked(v); });
    RegisterClass<TProgressBar>("TProgressBar", "TControl")
        .Integer("Min", [](TProgressBar& c) { return c.Min(); }, [](TProgressBar& c, std::int64_t v) { c.SetMin(static_cast<int>(v)); })
        .Integer("Max", [](TProgressBar& c) { return c.Max(); }, [](TProgressBar& c, std::int64_t v) { c.SetMax(static_cast<int>(v)); })
        .Integer("Position", [](TProgressBar& c) { return c.Position(); },
                 [](TProgressBar& c, std::int64_t v) { c.SetPosition(static_cast<int>(v)); });
}

}  // namespace

void RegisterGuiClasses() {
    RegisterControl();
    RegisterForm();
    RegisterControls();
}

}  // namespace bvt
