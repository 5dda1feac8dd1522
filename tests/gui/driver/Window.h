// Read-only view of a window of another process: class, text, geometry,
// state. Every read works across processes under Wine (text through
// WM_GETTEXT, since GetWindowTextA returns "" for another process's edit).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bvt::gui {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};
std::string ToString(const Rect& r);

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}

    HWND Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr && IsWindow(handle_); }

    std::string ClassName() const;
    // WM_GETTEXT, answered by the owning thread (blocks while it is busy,
    // up to a timeout); CaptionText() asks the window manager instead and
    // also works while the owner is suspended (top-level captions only).
    std::string Text() const;
    std::string CaptionText() const;
    int Id() const;
    LONG_PTR Style() const;
    LONG_PTR ExStyle() const;
    bool Enabled() const;
    bool Visible() const;        // the window and all its parents are visible
    bool Checked() const;        // BM_GETCHECK == BST_CHECKED
    DWORD ProcessId() const;
    DWORD ThreadId() const;
    Window Parent() const;

    Rect ScreenRect() const;
    // Position relative to the parent's client area (screen position for a
    // top-level window), outer size.
    Rect RectInParent() const;
    SIZE ClientSize() const;
    Rect ClientScreenRect() const;  // the client area in screen coordinates

    // Direct children, in Z order (the order of creation for controls).
    std::vector<Window> Children() const;
    // Any descendant matching; empty Window when none does.
    Window FindDescendant(const std::function<bool(const Window&)>& match) const;
    Window ChildById(int id) const;
    Window ChildByText(const std::string& className, const std::string& text) const;

    // Sends a message and waits for the answer (with a timeout).
    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const;

private:
    HWND handle_ = nullptr;
};

// Top-level windows (hidden ones included) of process `pid` (0: any).
std::vector<Window> TopLevelWindows(DWORD pid = 0);
// First top-level window of `pid` with this exact caption (and class, when
// given); `visibleOnly` skips hidden ones.
Window FindTopLevel(DWORD pid, const std::string& caption, const std::string& className = "",
                    bool visibleOnly = true);
// First visible top-level window of any process whose caption contains `part`.
Window FindTopLevelContaining(const std::string& part);

// "class 'caption' (pid)" of every visible top-level window, for failure
// messages.
std::string DescribeVisibleWindows();

// The window that has the keyboard focus in thread `tid`, and its active
// window (GetGUIThreadInfo works across processes).
Window FocusOf(DWORD tid);
Window ActiveOf(DWORD tid);

}  // namespace bvt::gui
