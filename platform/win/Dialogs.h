// MessageDlg: a modal message box with the caption and icon of its type and
// the requested buttons.
#pragma once

#include <string>

namespace bvt {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned { mbOK = 1 };
using TMsgDlgButtons = unsigned;
constexpr int mrOk = 1;

// Only [mbOK] is offered. Returns the button pressed (mrOk).
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);

}  // namespace bvt
