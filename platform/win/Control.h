// TControl: a component with a window on the screen; TWinControl: a control
// that holds other controls (form, panel, group box).
//
// Properties set by the description reader are kept in fields; the window is
// created afterwards (CreateHandle) and later changes go to the window. Every
// control is a real child window, so a test driver can find each one by its
// control ID (assigned in description order, see AssignControlIds).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Component.h"
#include "Graphics.h"

namespace bvt {

class TWinControl;
class TForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    void SetParentComponent(TComponent* parent) override;
    TWinControl* Parent() const { return parent_; }
    TForm* ParentForm() const;  // the form this control lives on (itself for a form)

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    virtual void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    virtual void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);

    std::string Caption() const;
    void SetCaption(const std::string& text);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TFont& Font() { return font_; }
    const TFont& EffectiveFont() const;  // own font, or the parent's when ParentFont
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v) { parentFont_ = v; }
    void FontChanged();  // marks the font as own (not the parent's) and applies it
    TColor Color() const { return color_; }
    TColor EffectiveColor() const;  // own colour, or the parent's when ParentColor
    void SetColor(TColor c);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign a) { align_ = a; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) { tabOrder_ = v; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c) { cursor_ = c; }
    const std::string& OnClick() const { return onClick_; }
    void SetOnClick(const std::string& handler) { onClick_ = handler; }

    int ControlId() const { return controlId_; }
    void SetControlId(int id) { controlId_ = id; }
    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Creates this control's window (and its children's) inside the parent's.
    virtual void CreateHandle();
    void SetFocus();
    bool Focused() const;
    // Runs the OnClick handler through the form's handler table.
    virtual void Click();
    void Invalidate();

    // --- called by the window procedure trampoline ---
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification (WM_COMMAND code) sent by this control's own window.
    virtual void CommandNotify(WORD code);
    // WM_CTLCOLOR* for this control's window: a brush, or null for default.
    virtual HBRUSH CtlColor(HDC dc);
    void HandleDestroyed() { handle_ = nullptr; }
    void ParentDestroyed() { parent_ = nullptr; }
    void AttachHandle(HWND handle);  // links a created window to this object
    WNDPROC previousWndProc = nullptr;  // of a subclassed system control

protected:
    struct CreateParams {
        const char* windowClass = nullptr;  // null: a class of our own named after the component's class
        DWORD style = 0;
        DWORD exStyle = 0;
    };
    virtual CreateParams GetCreateParams() const;
    // Fills the parent's background into dc (for controls painted by us).
    void PaintParentBackground(HDC dc) const;
    // For controls painted by us: answers WM_ERASEBKGND (Paint covers the
    // whole client area, so nothing to erase) and WM_PAINT (calls Paint).
    LRESULT PaintMessage(UINT message);
    virtual void Paint(HDC) {}
    // The rectangle in the parent's client area; used when creating the window.
    virtual RECT BoundsRect() const;
    virtual void HandleCreated() {}
    virtual void CaptionChanged() {}

    TWinControl* parent_ = nullptr;
    HWND handle_ = nullptr;
    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    TAlign align_ = alNone;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    TCursor cursor_ = crDefault;
    std::string onClick_;
    int controlId_ = 0;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const std::vector<TControl*>& Controls() const { return controls_; }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void CreateHandle() override;
    int ClientWidth() const;
    int ClientHeight() const;
    // Lays out aligned children (alBottom) after a size change.
    void Realign();
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Stacks the children's windows: those with a TabOrder first, in that
    // order (the order the dialog keyboard interface follows), then the
    // others, later ones of the description above earlier ones.
    void ApplyTabOrder();

    std::vector<TControl*> controls_;  // description order
};

}  // namespace bvt
