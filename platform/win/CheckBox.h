// TCheckBox: a two-state check box; the user toggles it.
#pragma once

#include "Control.h"

namespace bvt {

class TCheckBox : public TControl {
public:
    explicit TCheckBox(TComponent* owner) : TControl(owner) { tabStop_ = true; }
    bool Checked() const;
    void SetChecked(bool checked);
    void CommandNotify(WORD code) override;

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;

private:
    bool checked_ = false;
};

}  // namespace bvt
