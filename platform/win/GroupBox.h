// TGroupBox: a framed container with a caption.
#pragma once

#include "Control.h"

namespace bvt {

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    CreateParams GetCreateParams() const override;
};

}  // namespace bvt
