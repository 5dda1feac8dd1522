#include "Dialogs.h"

#include <windows.h>

#include "Application.h"
#include "Form.h"

namespace bvt {

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons, int) {
    const char* caption = "";
    UINT icon = 0;
    switch (type) {
    case mtWarning: caption = "Warning"; icon = MB_ICONWARNING; break;
    case mtError: caption = "Error"; icon = MB_ICONERROR; break;
    case mtInformation: caption = "Information"; icon = MB_ICONINFORMATION; break;
    case mtConfirmation: caption = "Confirm"; icon = MB_ICONQUESTION; break;
    case mtCustom: caption = Application.Title().c_str(); break;
    }
    // Owned by the main window while it is visible, so it stays in front.
    HWND owner = Application.MainWindow();
    if (owner && !IsWindowVisible(owner)) owner = nullptr;
    MessageBoxA(owner, text.c_str(), caption, MB_OK | icon | (owner ? 0 : MB_TASKMODAL));
    return mrOk;
}

}  // namespace bvt
