// TEdit: a single-line edit box; Text is its content.
#pragma once

#include "Control.h"

namespace bvt {

class TEdit : public TControl {
public:
    explicit TEdit(TComponent* owner) : TControl(owner) {
        tabStop_ = true;
        color_ = 0x80000000u | COLOR_WINDOW;
        parentColor_ = false;
    }
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    HBRUSH CtlColor(HDC) override { return nullptr; }

protected:
    CreateParams GetCreateParams() const override;
};

}  // namespace bvt
