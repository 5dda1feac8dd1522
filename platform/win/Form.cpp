#include "Form.h"

#include "Application.h"
#include "Exceptions.h"
#include "ComponentStreaming.h"
#include "WindowProc.h"

namespace bvt {

namespace {

// Posted by Release; the form deletes itself when it arrives.
constexpr UINT kReleaseMessage = WM_APP + 0x100;
// Control IDs start above the dialog manager's IDOK/IDCANCEL and friends.
constexpr int kFirstControlId = 100;

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    parentFont_ = false;
    parentColor_ = false;
    visible_ = false;
}

TForm::~TForm() {
    if (handle_) DestroyWindow(handle_);
}

void TForm::LoadFromResource(const char* resourceName) {
    ReadComponentResource(*this, resourceName);
    CreateHandle();
}

void TForm::LoadFromDescription(const void* data, std::size_t size) {
    ReadRootComponent(*this, data, size);
    CreateHandle();
}

void TForm::Loaded() {
    TWinControl::Loaded();
    AssignControlIds();
    CheckHandlers();
}

void TForm::BindHandler(const std::string& name, Handler handler) {
    handlers_[name] = std::move(handler);
}

void TForm::RunHandler(const std::string& name, TComponent* sender) {
    auto it = handlers_.find(name);
    if (it == handlers_.end()) throw Exception(Name() + ": no event handler '" + name + "'");
    it->second(sender);
}

void TForm::AssignControlIds() {
    int id = kFirstControlId;
    for (std::size_t i = 0; i < ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(Component(i))) control->SetControlId(id++);
}

void TForm::CheckHandlers() {
    auto check = [this](const std::string& owner, const std::string& handler) {
        if (!handler.empty() && !handlers_.count(handler))
            throw Exception(owner + ": no event handler '" + handler + "'");
    };
    check(Name(), onShow_);
    check(Name(), onDeactivate_);
    for (std::size_t i = 0; i < ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(Component(i)))
            check(Name() + "." + control->Name(), control->OnClick());
    if (!activeControlName_.empty() && !Find<TControl>(activeControlName_))
        throw Exception(Name() + ": no control '" + activeControlName_ + "' to focus");
}

TControl::CreateParams TForm::GetCreateParams() const {
    CreateParams params;
    params.exStyle = WS_EX_CONTROLPARENT;
    switch (borderStyle_) {
    case bsNone:
        // A borderless box (a splash) gets no taskbar button of its own.
        params.style = WS_POPUP;
        params.exStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsDialog:
        params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        params.exStyle |= WS_EX_DLGMODALFRAME;
        break;
    default:
        params.style = WS_OVERLAPPEDWINDOW;
        break;
    }
    if (formStyle_ == fsStayOnTop) params.exStyle |= WS_EX_TOPMOST;
    return params;
}

RECT TForm::BoundsRect() const {
    return RECT{left_, top_, left_ + width_, top_ + height_};
}

void TForm::CreateHandle() {
    if (handle_) return;
    const CreateParams params = GetCreateParams();
    RECT frame{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&frame, params.style, FALSE, params.exStyle);
    width_ = frame.right - frame.left;
    height_ = frame.bottom - frame.top;
    TWinControl::CreateHandle();
}

void TForm::SetClientWidth(int v) {
    clientWidth_ = v;
    if (handle_) SetWidth(width_ + v - ClientWidth());
}

void TForm::SetClientHeight(int v) {
    clientHeight_ = v;
    if (handle_) SetHeight(height_ + v - ClientHeight());
}

void TForm::SetHeight(int height) {
    SetBounds(left_, top_, width_, height);
}

void TForm::SetWidth(int width) {
    SetBounds(left_, top_, width, height_);
}

void TForm::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_ && !SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE))
        throw Exception("Cannot move the window of " + Name() + ": " + LastSystemErrorText());
}

void TForm::SetVisible(bool visible) {
    if (!handle_) {
        visible_ = visible;
        return;
    }
    if (visible) Show();
    else Hide();
}

void TForm::Show() {
    CreateHandle();
    if (!visible_) {
        if (!onShow_.empty()) {
            // As with any event, a failure is reported and the form still shows.
            try {
                RunHandler(onShow_, this);
            } catch (const std::exception& e) {
                Application.HandleException(e);
            }
        }
        if (position_ == poScreenCenter) CenterOnScreen();
        visible_ = true;
    }
    ShowWindow(handle_, SW_SHOWNORMAL);
    SetForegroundWindow(handle_);
}

void TForm::Hide() {
    visible_ = false;
    if (handle_) ShowWindow(handle_, SW_HIDE);
}

void TForm::Close() {
    if (!CloseQuery()) return;
    if (Application.MainForm() == this) Application.Terminate();
    else Hide();
}

void TForm::Update() {
    if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TForm::Release() {
    if (handle_) PostMessageA(handle_, kReleaseMessage, 0, 0);
    else delete this;
}

void TForm::CenterOnScreen() {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetBounds((screenWidth - width_) / 2, (screenHeight - height_) / 2, width_, height_);
}

void TForm::RestoreFocus() {
    HWND target = nullptr;
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(handle_, lastFocus_)) target = lastFocus_;
    if (!target && !activeControlName_.empty())
        if (auto* control = Find<TControl>(activeControlName_)) target = control->Handle();
    if (!target) target = GetNextDlgTabItem(handle_, nullptr, FALSE);
    ::SetFocus(target ? target : handle_);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(handle_, focus)) lastFocus_ = focus;
            // Only a hand-over to another form of the program deactivates
            // the form; switching to another program does not.
            TForm* next = FormFromHandle(reinterpret_cast<HWND>(lParam));
            if (next && next != this && !onDeactivate_.empty()) RunHandler(onDeactivate_, this);
        } else {
            RestoreFocus();
        }
        return 0;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(handle_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, ColorBrush(color_));
        return 1;
    }
    case WM_WINDOWPOSCHANGED: {
        RECT r;
        GetWindowRect(handle_, &r);
        left_ = r.left;
        top_ = r.top;
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
        break;
    }
    case WM_COMMAND:
        return 0;  // IDOK/IDCANCEL of the dialog keyboard interface: no default or cancel button
    case kReleaseMessage:
        delete this;
        return 0;
    default:
        break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

TForm* FormFromHandle(HWND handle) {
    return dynamic_cast<TForm*>(ControlFromHandle(handle));
}

}  // namespace bvt
