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

// Every published property of the GUI classes, dispatched by these ids from
// one getter and one setter per value kind: one accessor pair in the
// program instead of one per property, which keeps the installer small.
enum class P {
    Left, Top, Width, Height, Caption, Visible, Enabled, FontName, FontHeight, FontStyle, FontColor, ParentFont,
    Color, TabOrder, TabStop, Cursor, Align, OnClick,
    BorderStyle, FormStyle, Position, ClientWidth, ClientHeight, ActiveControl, OnShow, OnDeactivate,
    LabelAutoSize, WordWrap, Shape, BevelStyle, ImageAutoSize, BevelInner, BevelOuter, BevelWidth, Text, Flat,
    NumGlyphs, Checked, Min, Max, BarPosition,
};

TControl& Ctl(TComponent& c) { return static_cast<TControl&>(c); }
TForm& Frm(TComponent& c) { return static_cast<TForm&>(c); }

std::int64_t GetInteger(TComponent& c, P p) {
    switch (p) {
    case P::Left: return Ctl(c).Left();
    case P::Top: return Ctl(c).Top();
    case P::Width: return Ctl(c).Width();
    case P::Height: return Ctl(c).Height();
    case P::FontHeight: return Ctl(c).Font().height;
    case P::TabOrder: return Ctl(c).TabOrder();
    case P::ClientWidth: return Frm(c).DesignClientWidth();
    case P::ClientHeight: return Frm(c).DesignClientHeight();
    case P::BevelWidth: return static_cast<TPanel&>(c).BevelWidth();
    case P::NumGlyphs: return static_cast<TSpeedButton&>(c).NumGlyphs();
    case P::Min: return static_cast<TProgressBar&>(c).Min();
    case P::Max: return static_cast<TProgressBar&>(c).Max();
    case P::BarPosition: return static_cast<TProgressBar&>(c).Position();
    default: return 0;
    }
}

void SetInteger(TComponent& c, P p, std::int64_t value) {
    const int v = static_cast<int>(value);
    switch (p) {
    case P::Left: Ctl(c).SetLeft(v); break;
    case P::Top: Ctl(c).SetTop(v); break;
    case P::Width: Ctl(c).SetWidth(v); break;
    case P::Height: Ctl(c).SetHeight(v); break;
    case P::FontHeight: Ctl(c).Font().height = v; Ctl(c).FontChanged(); break;
    case P::TabOrder: Ctl(c).SetTabOrder(v); break;
    case P::ClientWidth: Frm(c).SetClientWidth(v); break;
    case P::ClientHeight: Frm(c).SetClientHeight(v); break;
    case P::BevelWidth: static_cast<TPanel&>(c).SetBevelWidth(v); break;
    case P::NumGlyphs: static_cast<TSpeedButton&>(c).SetNumGlyphs(v); break;
    case P::Min: static_cast<TProgressBar&>(c).SetMin(v); break;
    case P::Max: static_cast<TProgressBar&>(c).SetMax(v); break;
    case P::BarPosition: static_cast<TProgressBar&>(c).SetPosition(v); break;
    default: break;
    }
}

std::string GetString(TComponent& c, P p) {
    switch (p) {
    case P::Caption: return Ctl(c).Caption();
    case P::FontName: return Ctl(c).Font().name;
    case P::OnClick: return Ctl(c).OnClick();
    case P::ActiveControl: return Frm(c).ActiveControlName();
    case P::OnShow: return Frm(c).OnShow();
    case P::OnDeactivate: return Frm(c).OnDeactivate();
    case P::Text: return static_cast<TEdit&>(c).Text();
    default: return {};
    }
}

void SetString(TComponent& c, P p, const std::string& v) {
    switch (p) {
    case P::Caption: Ctl(c).SetCaption(v); break;
    case P::FontName: Ctl(c).Font().name = v; Ctl(c).FontChanged(); break;
    case P::OnClick: Ctl(c).SetOnClick(v); break;
    case P::ActiveControl: Frm(c).SetActiveControlName(v); break;
    case P::OnShow: Frm(c).SetOnShow(v); break;
    case P::OnDeactivate: Frm(c).SetOnDeactivate(v); break;
    case P::Text: static_cast<TEdit&>(c).SetText(v); break;
    default: break;
    }
}

bool GetBoolean(TComponent& c, P p) {
    switch (p) {
    case P::Visible: return Ctl(c).Visible();
    case P::Enabled: return Ctl(c).Enabled();
    case P::ParentFont: return Ctl(c).ParentFont();
    case P::TabStop: return Ctl(c).TabStop();
    case P::LabelAutoSize: return static_cast<TLabel&>(c).AutoSize();
    case P::WordWrap: return static_cast<TLabel&>(c).WordWrap();
    case P::ImageAutoSize: return static_cast<TImage&>(c).AutoSize();
    case P::Flat: return static_cast<TSpeedButton&>(c).Flat();
    case P::Checked: return static_cast<TCheckBox&>(c).Checked();
    default: return false;
    }
}

void SetBoolean(TComponent& c, P p, bool v) {
    switch (p) {
    case P::Visible: Ctl(c).SetVisible(v); break;
    case P::Enabled: Ctl(c).SetEnabled(v); break;
    case P::ParentFont: Ctl(c).SetParentFont(v); break;
    case P::TabStop: Ctl(c).SetTabStop(v); break;
    case P::LabelAutoSize: static_cast<TLabel&>(c).SetAutoSize(v); break;
    case P::WordWrap: static_cast<TLabel&>(c).SetWordWrap(v); break;
    case P::ImageAutoSize: static_cast<TImage&>(c).SetAutoSize(v); break;
    case P::Flat: static_cast<TSpeedButton&>(c).SetFlat(v); break;
    case P::Checked: static_cast<TCheckBox&>(c).SetChecked(v); break;
    default: break;
    }
}

int GetOrdinal(TComponent& c, P p) {
    switch (p) {
    case P::FontColor: return ColorOrdinal(Ctl(c).Font().color);
    case P::Color: return ColorOrdinal(Ctl(c).Color());
    case P::Cursor: return Ctl(c).Cursor();
    case P::Align: return Ctl(c).Align();
    case P::BorderStyle: return Frm(c).BorderStyle();
    case P::FormStyle: return Frm(c).FormStyle();
    case P::Position: return Frm(c).Position();
    case P::Shape: return static_cast<TBevel&>(c).Shape();
    case P::BevelStyle: return static_cast<TBevel&>(c).Style();
    case P::BevelInner: return static_cast<TPanel&>(c).BevelInner();
    case P::BevelOuter: return static_cast<TPanel&>(c).BevelOuter();
    default: return 0;
    }
}

void SetOrdinal(TComponent& c, P p, int v) {
    switch (p) {
    case P::FontColor: Ctl(c).Font().color = ColorFromOrdinal(v); Ctl(c).FontChanged(); break;
    case P::Color: Ctl(c).SetColor(ColorFromOrdinal(v)); break;
    case P::Cursor: Ctl(c).SetCursor(static_cast<TCursor>(v)); break;
    case P::Align: Ctl(c).SetAlign(static_cast<TAlign>(v)); break;
    case P::BorderStyle: Frm(c).SetBorderStyle(static_cast<TFormBorderStyle>(v)); break;
    case P::FormStyle: Frm(c).SetFormStyle(static_cast<TFormStyle>(v)); break;
    case P::Position: Frm(c).SetPosition(static_cast<TPosition>(v)); break;
    case P::Shape: static_cast<TBevel&>(c).SetShape(static_cast<TBevelShape>(v)); break;
    case P::BevelStyle: static_cast<TBevel&>(c).SetStyle(static_cast<TBevelStyle>(v)); break;
    case P::BevelInner: static_cast<TPanel&>(c).SetBevelInner(static_cast<TBevelCut>(v)); break;
    case P::BevelOuter: static_cast<TPanel&>(c).SetBevelOuter(static_cast<TBevelCut>(v)); break;
    default: break;
    }
}

struct Property {
    const char* name;
    PropKind kind;
    P id;
    const std::vector<std::string>* identifiers;  // Enum and Set
};

// Adds the properties to the class's published list: one getter and one
// setter per value kind, told apart by the captured id.
void Publish(ClassInfo& info, std::initializer_list<Property> properties) {
    for (const Property& prop : properties) {
        const P id = prop.id;
        PropInfo p{prop.name, prop.kind, prop.identifiers ? *prop.identifiers : std::vector<std::string>{}, {}, {}, {}};
        switch (prop.kind) {
        case PropKind::Integer:
            p.get = [id](TComponent& c) { return PropValue::Integer(GetInteger(c, id)); };
            p.set = [id](TComponent& c, const PropValue& v) { SetInteger(c, id, v.integer); };
            break;
        case PropKind::String:
            p.get = [id](TComponent& c) { return PropValue::String(GetString(c, id)); };
            p.set = [id](TComponent& c, const PropValue& v) { SetString(c, id, v.text); };
            break;
        case PropKind::Boolean:
            p.get = [id](TComponent& c) { return PropValue::Boolean(GetBoolean(c, id)); };
            p.set = [id](TComponent& c, const PropValue& v) { SetBoolean(c, id, v.boolean); };
            break;
        case PropKind::Enum: {
            const std::vector<std::string>* names = prop.identifiers;
            const std::string name = prop.name;
            p.get = [id, names](TComponent& c) {
                const int ordinal = GetOrdinal(c, id);
                return PropValue::Enum(ordinal >= 0 && ordinal < static_cast<int>(names->size()) ? (*names)[ordinal]
                                                                                                 : std::string());
            };
            p.set = [id, names, name](TComponent& c, const PropValue& v) {
                SetOrdinal(c, id, IdentifierOrdinal(name, *names, v.text));
            };
            break;
        }
        case PropKind::Set: {
            // Font.Style is the only set property of the GUI classes.
            const std::vector<std::string>* names = prop.identifiers;
            const std::string name = prop.name;
            p.get = [names](TComponent& c) {
                std::vector<std::string> set;
                for (std::size_t i = 0; i < names->size(); ++i)
                    if (Ctl(c).Font().style & (1u << i)) set.push_back((*names)[i]);
                return PropValue::Set(std::move(set));
            };
            p.set = [names, name](TComponent& c, const PropValue& v) {
                std::uint32_t mask = 0;
                for (const std::string& n : v.names) mask |= 1u << IdentifierOrdinal(name, *names, n);
                Ctl(c).Font().style = mask;
                Ctl(c).FontChanged();
            };
            break;
        }
        }
        info.properties.push_back(std::move(p));
    }
}

const std::vector<std::string> kAligns = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
const std::vector<std::string> kBorderStyles = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                                                "bsSizeToolWin"};
const std::vector<std::string> kFormStyles = {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"};
const std::vector<std::string> kPositions = {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                             "poScreenCenter"};
const std::vector<std::string> kBevelShapes = {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine",
                                               "bsRightLine", "bsSpacer"};
const std::vector<std::string> kBevelStyles = {"bsLowered", "bsRaised"};
const std::vector<std::string> kBevelCuts = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

constexpr PropKind kInt = PropKind::Integer, kStr = PropKind::String, kBool = PropKind::Boolean,
                   kEnum = PropKind::Enum, kSet = PropKind::Set;

}  // namespace

void RegisterGuiClasses() {
    Publish(RegisterClass<TControl>("TControl", "TComponent").Info(),
            {{"Left", kInt, P::Left, nullptr},
             {"Top", kInt, P::Top, nullptr},
             {"Width", kInt, P::Width, nullptr},
             {"Height", kInt, P::Height, nullptr},
             {"Caption", kStr, P::Caption, nullptr},
             {"Visible", kBool, P::Visible, nullptr},
             {"Enabled", kBool, P::Enabled, nullptr},
             {"Font.Name", kStr, P::FontName, nullptr},
             {"Font.Height", kInt, P::FontHeight, nullptr},
             {"Font.Style", kSet, P::FontStyle, &FontStyleIdentifiers()},
             {"Font.Color", kEnum, P::FontColor, &ColorIdentifiers()},
             {"ParentFont", kBool, P::ParentFont, nullptr},
             {"Color", kEnum, P::Color, &ColorIdentifiers()},
             {"TabOrder", kInt, P::TabOrder, nullptr},
             {"TabStop", kBool, P::TabStop, nullptr},
             {"Cursor", kEnum, P::Cursor, &CursorIdentifiers()},
             {"Align", kEnum, P::Align, &kAligns},
             {"OnClick", kStr, P::OnClick, nullptr}});
    RegisterClass<TWinControl>("TWinControl", "TControl");
    Publish(RegisterClass<TForm>("TForm", "TWinControl").Info(),
            {{"BorderStyle", kEnum, P::BorderStyle, &kBorderStyles},
             {"FormStyle", kEnum, P::FormStyle, &kFormStyles},
             {"Position", kEnum, P::Position, &kPositions},
             {"ClientWidth", kInt, P::ClientWidth, nullptr},
             {"ClientHeight", kInt, P::ClientHeight, nullptr},
             {"ActiveControl", kStr, P::ActiveControl, nullptr},
             {"OnShow", kStr, P::OnShow, nullptr},
             {"OnDeactivate", kStr, P::OnDeactivate, nullptr}});
    Publish(RegisterClass<TLabel>("TLabel", "TControl").Info(),
            {{"AutoSize", kBool, P::LabelAutoSize, nullptr}, {"WordWrap", kBool, P::WordWrap, nullptr}});
    Publish(RegisterClass<TBevel>("TBevel", "TControl").Info(),
            {{"Shape", kEnum, P::Shape, &kBevelShapes}, {"Style", kEnum, P::BevelStyle, &kBevelStyles}});
    Publish(RegisterClass<TImage>("TImage", "TControl").Info(), {{"AutoSize", kBool, P::ImageAutoSize, nullptr}});
    Publish(RegisterClass<TPanel>("TPanel", "TWinControl").Info(),
            {{"BevelInner", kEnum, P::BevelInner, &kBevelCuts},
             {"BevelOuter", kEnum, P::BevelOuter, &kBevelCuts},
             {"BevelWidth", kInt, P::BevelWidth, nullptr}});
    RegisterClass<TGroupBox>("TGroupBox", "TWinControl");
    Publish(RegisterClass<TEdit>("TEdit", "TControl").Info(), {{"Text", kStr, P::Text, nullptr}});
    RegisterClass<TButton>("TButton", "TControl");
    Publish(RegisterClass<TSpeedButton>("TSpeedButton", "TControl").Info(),
            {{"Flat", kBool, P::Flat, nullptr}, {"NumGlyphs", kInt, P::NumGlyphs, nullptr}});
    Publish(RegisterClass<TCheckBox>("TCheckBox", "TControl").Info(), {{"Checked", kBool, P::Checked, nullptr}});
    Publish(RegisterClass<TProgressBar>("TProgressBar", "TControl").Info(),
            {{"Min", kInt, P::Min, nullptr}, {"Max", kInt, P::Max, nullptr}, {"Position", kInt, P::BarPosition, nullptr}});
}

}  // namespace bvt
