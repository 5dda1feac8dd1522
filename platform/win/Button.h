// TButton: a push button. It looks like the default button while it has
// the focus, and Enter clicks it only then (see TApplication).
#pragma once

#include "Control.h"

namespace bvt {

class TButton : public TControl {
public:
    explicit TButton(TComponent* owner) : TControl(owner) { tabStop_ = true; }
    void CommandNotify(WORD code) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    CreateParams GetCreateParams() const override;
};

}  // namespace bvt
