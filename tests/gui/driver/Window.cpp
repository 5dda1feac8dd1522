#include "Window.h"

#include <cstdio>

namespace bvt::gui {

namespace {

constexpr UINT SendTimeoutMs = 10000;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<Window>*>(param)->emplace_back(hwnd);
    return TRUE;
}

}  // namespace

std::string ToString(const Rect& r) {
    char text[96];
    std::snprintf(text, sizeof text, "(%d, %d, %d x %d)", r.left, r.top, r.width, r.height);
    return text;
}

std::string Window::ClassName() const {
    char name[256] = {};
    GetClassNameA(handle_, name, sizeof name);
    return name;
}

LRESULT Window::Send(UINT msg, WPARAM w, LPARAM l) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(handle_, msg, w, l, SMTO_ABORTIFHUNG, SendTimeoutMs, &result)) return 0;
    return static_cast<LRESULT>(result);
}

std::string Window::Text() const {
    const LRESULT length = Send(WM_GETTEXTLENGTH);
    if (length <= 0) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::string Window::CaptionText() const {
    char text[512] = {};
    const int n = GetWindowTextA(handle_, text, sizeof text);
    return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
}

int Window::Id() const { return static_cast<int>(GetWindowLongPtrA(handle_, GWLP_ID)); }
LONG_PTR Window::Style() const { return GetWindowLongPtrA(handle_, GWL_STYLE); }
LONG_PTR Window::ExStyle() const { return GetWindowLongPtrA(handle_, GWL_EXSTYLE); }
bool Window::Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
bool Window::Visible() const { return IsWindowVisible(handle_) != FALSE; }
bool Window::Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

DWORD Window::ProcessId() const {
    DWORD pid = 0;
    GetWindowThreadProcessId(handle_, &pid);
    return pid;
}

DWORD Window::ThreadId() const { return GetWindowThreadProcessId(handle_, nullptr); }

Window Window::Parent() const {
    if (!(Style() & WS_CHILD)) return Window();
    return Window(GetAncestor(handle_, GA_PARENT));
}

Rect Window::ScreenRect() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Rect Window::RectInParent() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    if (const Window parent = Parent()) {
        MapWindowPoints(nullptr, parent.Handle(), reinterpret_cast<POINT*>(&r), 2);
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE Window::ClientSize() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return {r.right, r.bottom};
}

Rect Window::ClientScreenRect() const {
    POINT origin{0, 0};
    ClientToScreen(handle_, &origin);
    const SIZE size = ClientSize();
    return {origin.x, origin.y, size.cx, size.cy};
}

std::vector<Window> Window::Children() const {
    std::vector<Window> result;
    for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        result.emplace_back(child);
    }
    return result;
}

Window Window::FindDescendant(const std::function<bool(const Window&)>& match) const {
    for (const Window& child : Children()) {
        if (match(child)) return child;
        if (Window found = child.FindDescendant(match)) return found;
    }
    return Window();
}

Window Window::ChildById(int id) const {
    return FindDescendant([id](const Window& w) { return w.Id() == id; });
}

Window Window::ChildByText(const std::string& className, const std::string& text) const {
    return FindDescendant([&](const Window& w) {
        return (className.empty() || w.ClassName() == className) && w.Text() == text;
    });
}

std::vector<Window> TopLevelWindows(DWORD pid) {
    std::vector<Window> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    if (pid == 0) return all;
    std::vector<Window> mine;
    for (const Window& w : all) {
        if (w.ProcessId() == pid) mine.push_back(w);
    }
    return mine;
}

Window FindTopLevel(DWORD pid, const std::string& caption, const std::string& className,
                    bool visibleOnly) {
    for (const Window& w : TopLevelWindows(pid)) {
        if (visibleOnly && !w.Visible()) continue;
        if (!className.empty() && w.ClassName() != className) continue;
        if (w.CaptionText() == caption) return w;
    }
    return Window();
}

Window FindTopLevelContaining(const std::string& part) {
    for (const Window& w : TopLevelWindows(0)) {
        if (w.Visible() && w.CaptionText().find(part) != std::string::npos) return w;
    }
    return Window();
}

std::string DescribeVisibleWindows() {
    std::string result;
    for (const Window& w : TopLevelWindows(0)) {
        if (!w.Visible()) continue;
        result += w.ClassName() + " '" + w.CaptionText() + "' (" + std::to_string(w.ProcessId()) + ") ";
    }
    return result;
}

Window FocusOf(DWORD tid) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(tid, &info)) return Window();
    return Window(info.hwndFocus);
}

Window ActiveOf(DWORD tid) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(tid, &info)) return Window();
    return Window(info.hwndActive);
}

}  // namespace bvt::gui
