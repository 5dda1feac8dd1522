#include "CheckBox.h"

namespace bvt {

TControl::CreateParams TCheckBox::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "BUTTON";
    params.style = BS_AUTOCHECKBOX;
    return params;
}

void TCheckBox::HandleCreated() {
    SendMessageA(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Checked() const {
    if (handle_) return SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked_;
}

void TCheckBox::SetChecked(bool checked) {
    checked_ = checked;
    if (handle_) SendMessageA(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::CommandNotify(WORD code) {
    if (code == BN_CLICKED) Click();
}

}  // namespace bvt
