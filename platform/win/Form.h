// TForm: a top-level window created from a window description. Event
// handlers named in the description (OnClick = b_InstallClick) are bound by
// name to methods of the form class through BindHandler.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "Control.h"

namespace bvt {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };

class TForm : public TWinControl {
public:
    using Handler = std::function<void(TComponent* sender)>;

    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Reads the form's description from the program's RCDATA resource and
    // creates its windows (hidden).
    void LoadFromResource(const char* resourceName);
    // The same from a binary window description in memory.
    void LoadFromDescription(const void* data, std::size_t size);

    void BindHandler(const std::string& name, Handler handler);
    void RunHandler(const std::string& name, TComponent* sender);

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v) { borderStyle_ = v; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle v) { formStyle_ = v; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    int DesignClientWidth() const { return clientWidth_; }
    int DesignClientHeight() const { return clientHeight_; }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    const std::string& OnShow() const { return onShow_; }
    void SetOnShow(const std::string& v) { onShow_ = v; }
    const std::string& OnDeactivate() const { return onDeactivate_; }
    void SetOnDeactivate(const std::string& v) { onDeactivate_ = v; }
    const std::string& ActiveControlName() const { return activeControlName_; }
    void SetActiveControlName(const std::string& v) { activeControlName_ = v; }

    // Outer (window) height; the top edge stays where it is.
    void SetHeight(int height) override;
    void SetWidth(int width) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;

    void Show();
    void Hide();
    // Closing the main form ends the message loop; any other form is hidden.
    void Close();
    // Paints the form and its controls at once.
    void Update();
    // Destroys the form after the message being handled (safe from its own
    // event handlers).
    void Release();

    void CreateHandle() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    CreateParams GetCreateParams() const override;
    RECT BoundsRect() const override;
    // Whether the form may close now (Close and the close box ask).
    virtual bool CloseQuery() { return true; }

private:
    void Loaded() override;
    void AssignControlIds();
    void CheckHandlers();
    void CenterOnScreen();
    void RestoreFocus();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDesigned;
    int clientWidth_ = 0, clientHeight_ = 0;
    std::string onShow_, onDeactivate_, activeControlName_;
    std::map<std::string, Handler> handlers_;
    HWND lastFocus_ = nullptr;
};

// The form of a window, or null when it is not one of ours.
TForm* FormFromHandle(HWND handle);

}  // namespace bvt
