#include "Control.h"

#include <algorithm>

#include "Exceptions.h"
#include "Form.h"
#include "TypeInfo.h"
#include "WindowProc.h"

namespace bvt {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (handle_) DestroyWindow(handle_);
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    auto* container = dynamic_cast<TWinControl*>(parent);
    if (!container) return;
    parent_ = container;
    font_ = container->EffectiveFont();
    color_ = container->EffectiveColor();
    container->InsertControl(this);
}

TForm* TControl::ParentForm() const {
    const TControl* control = this;
    while (control->parent_) control = control->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_) SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TControl::BoundsRect() const {
    return RECT{left_, top_, left_ + width_, top_ + height_};
}

std::string TControl::Caption() const {
    if (!handle_) return caption_;
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(handle_, &text[0], length + 1)));
    return text;
}

void TControl::SetCaption(const std::string& text) {
    caption_ = text;
    if (handle_ && !SetWindowTextA(handle_, text.c_str()))
        throw Exception("Cannot set the text of " + Name() + ": " + LastSystemErrorText());
    CaptionChanged();
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
    if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (handle_) EnableWindow(handle_, enabled ? TRUE : FALSE);
}

const TFont& TControl::EffectiveFont() const {
    return (parentFont_ && parent_) ? parent_->EffectiveFont() : font_;
}

void TControl::FontChanged() {
    parentFont_ = false;
    if (handle_) {
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font_)), TRUE);
        Invalidate();
    }
}

TColor TControl::EffectiveColor() const {
    return (parentColor_ && parent_) ? parent_->EffectiveColor() : color_;
}

void TControl::SetColor(TColor c) {
    color_ = c;
    parentColor_ = false;
    Invalidate();
}

TControl::CreateParams TControl::GetCreateParams() const {
    return CreateParams{};
}

void TControl::CreateHandle() {
    if (handle_) return;
    CreateParams params = GetCreateParams();
    DWORD style = params.style | WS_CLIPSIBLINGS;
    if (parent_) style |= WS_CHILD;
    if (visible_) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    if (tabStop_) style |= WS_TABSTOP;
    const ClassInfo* info = ClassRegistry::Instance().ClassOf(*this);
    CreateControlWindow(*this, params.windowClass, info ? info->name : "TControl", params.exStyle, style, BoundsRect(),
                        parent_ ? parent_->Handle() : nullptr);
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(EffectiveFont())), FALSE);
    HandleCreated();
}

void TControl::SetFocus() {
    if (handle_) ::SetFocus(handle_);
}

bool TControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void TControl::Click() {
    if (onClick_.empty()) return;
    TForm* form = ParentForm();
    if (!form) throw Exception(Name() + ": no form for handler '" + onClick_ + "'");
    form->RunHandler(onClick_, this);
}

void TControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

LRESULT TControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previousWndProc) return CallWindowProcA(previousWndProc, handle_, message, wParam, lParam);
    return DefWindowProcA(handle_, message, wParam, lParam);
}

void TControl::CommandNotify(WORD) {}

HBRUSH TControl::CtlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(EffectiveFont().color));
    SetBkColor(dc, ColorToRGB(EffectiveColor()));
    return ColorBrush(EffectiveColor());
}

void TControl::PaintParentBackground(HDC dc) const {
    RECT r{0, 0, width_, height_};
    FillRect(dc, &r, ColorBrush(parent_ ? parent_->EffectiveColor() : color_));
}

LRESULT TControl::PaintMessage(UINT message) {
    if (message == WM_ERASEBKGND) return 1;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    Paint(dc);
    EndPaint(handle_, &ps);
    return 0;
}

// --- TWinControl ---

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Children may outlive their container within the owner's destruction.
    for (TControl* control : controls_) control->ParentDestroyed();
    if (handle_) DestroyWindow(handle_);
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
}

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    TControl::CreateHandle();
    for (TControl* control : controls_) control->CreateHandle();
    ApplyTabOrder();
    Realign();
}

int TWinControl::ClientWidth() const {
    RECT r{};
    if (handle_) GetClientRect(handle_, &r);
    return r.right;
}

int TWinControl::ClientHeight() const {
    RECT r{};
    if (handle_) GetClientRect(handle_, &r);
    return r.bottom;
}

void TWinControl::Realign() {
    if (!handle_) return;
    for (TControl* control : controls_)
        if (control->Align() == alBottom && control->Visible())
            control->SetBounds(0, ClientHeight() - control->Height(), ClientWidth(), control->Height());
}

void TWinControl::ApplyTabOrder() {
    // Z order, top first: the controls with a tab order, by it; then the
    // others with later ones above earlier ones, as the description paints.
    std::vector<TControl*> order;
    for (TControl* control : controls_)
        if (control->TabOrder() >= 0) order.push_back(control);
    std::stable_sort(order.begin(), order.end(),
                     [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->TabOrder() < 0) order.push_back(*it);
    for (TControl* control : order)
        if (control->Handle())
            SetWindowPos(control->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) Realign();
    return TControl::WndProc(message, wParam, lParam);
}

}  // namespace bvt
