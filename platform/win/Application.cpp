#include "Application.h"

#include "Button.h"
#include "Form.h"
#include "WindowProc.h"

namespace bvt {

TApplication Application;

std::string WithFullStop(const std::string& message) {
    if (!message.empty() && message.back() == '.') return message;
    return message + ".";
}

HWND TApplication::MainWindow() const {
    return mainForm_ ? mainForm_->Handle() : nullptr;
}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
    if (!mainForm_) mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

int TApplication::Run() {
    if (mainForm_) {
        mainForm_->Show();
        while (!terminated_) {
            MSG msg;
            const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0 || got == -1) break;
            if (!IsKeyboardMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    // Forms go in reverse order of creation; their components with them.
    while (!forms_.empty()) forms_.pop_back();
    mainForm_ = nullptr;
    return exitCode_;
}

void TApplication::ProcessMessages() {
    while (HandleMessage()) {
    }
}

bool TApplication::HandleMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    if (!IsKeyboardMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(exitCode_);
}

// The keyboard interface of the forms: Tab and the arrow keys move the
// focus; Enter acts only on a focused push button (there is no default
// button) and Esc does nothing (there is no cancel button).
bool TApplication::IsKeyboardMessage(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !msg.hwnd) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!FormFromHandle(root)) return false;
    const bool enterOrEsc = msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE;
    if (enterOrEsc && (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR)) {
        if (msg.wParam == VK_RETURN && msg.message == WM_KEYDOWN)
            if (auto* button = dynamic_cast<TButton*>(ControlFromHandle(GetFocus())))
                if (IsWindowEnabled(button->Handle())) SendMessageA(button->Handle(), BM_CLICK, 0, 0);
        return true;
    }
    return IsDialogMessageA(root, &msg) != FALSE;
}

void TApplication::HandleException(const std::exception& e) {
    if (onException_) {
        onException_(e);
        return;
    }
    HWND owner = GetActiveWindow();
    MessageBoxA(owner, WithFullStop(e.what()).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::ShowStartupError(const std::exception& e) {
    MessageBoxA(nullptr, WithFullStop(e.what()).c_str(), "Application Error",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace bvt
