#include "WindowProc.h"

#include <set>

#include "Application.h"
#include "Control.h"
#include "Exceptions.h"
#include "Screen.h"

namespace bvt {

namespace {

const char kControlProp[] = "BvtControl";

LRESULT Dispatch(TControl& control, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR: {
        // The application-wide cursor wins over a control's own one.
        TCursor cursor = Screen.Cursor();
        if (cursor == crDefault && LOWORD(lParam) == HTCLIENT) cursor = control.Cursor();
        if (cursor != crDefault) {
            ::SetCursor(CursorHandle(cursor));
            return TRUE;
        }
        break;
    }
    case WM_COMMAND:
        if (lParam) {
            if (TControl* sender = ControlFromHandle(reinterpret_cast<HWND>(lParam)); sender && sender != &control) {
                sender->CommandNotify(HIWORD(wParam));
                return 0;
            }
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        if (TControl* child = ControlFromHandle(reinterpret_cast<HWND>(lParam)); child && child != &control)
            if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_NCDESTROY: {
        const WNDPROC previous = control.previousWndProc;
        RemovePropA(window, kControlProp);
        control.HandleDestroyed();
        if (previous) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            return CallWindowProcA(previous, window, message, wParam, lParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return control.WndProc(message, wParam, lParam);
}

LRESULT GuardedDispatch(TControl& control, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return Dispatch(control, window, message, wParam, lParam);
    } catch (const std::exception& e) {
        Application.HandleException(e);
    } catch (...) {
        Application.HandleException(Exception("Unexpected failure"));
    }
    return 0;
}

LRESULT CALLBACK OwnClassWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TControl* control = ControlFromHandle(window);
    if (!control && message == WM_NCCREATE) {
        control = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        control->AttachHandle(window);
    }
    if (!control) return DefWindowProcA(window, message, wParam, lParam);
    return GuardedDispatch(*control, window, message, wParam, lParam);
}

LRESULT CALLBACK SubclassWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TControl* control = ControlFromHandle(window);
    if (!control) return DefWindowProcA(window, message, wParam, lParam);
    return GuardedDispatch(*control, window, message, wParam, lParam);
}

void RegisterOwnClass(const std::string& name) {
    static std::set<std::string> registered;
    if (registered.count(name)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = OwnClassWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExA(&wc)) throw Exception("Cannot register window class " + name + ": " + LastSystemErrorText());
    registered.insert(name);
}

}  // namespace

TControl* ControlFromHandle(HWND handle) {
    return handle ? static_cast<TControl*>(GetPropA(handle, kControlProp)) : nullptr;
}

void TControl::AttachHandle(HWND handle) {
    handle_ = handle;
    SetPropA(handle, kControlProp, this);
}

HWND CreateControlWindow(TControl& control, const char* windowClass, const std::string& ownClassName, DWORD exStyle,
                         DWORD style, const RECT& bounds, HWND parent) {
    const bool own = windowClass == nullptr;
    if (own) RegisterOwnClass(ownClassName);
    const std::string text = control.Caption();
    HMENU id = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.ControlId())) : nullptr;
    HWND window = CreateWindowExA(exStyle, own ? ownClassName.c_str() : windowClass, text.c_str(), style, bounds.left,
                                  bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent, id,
                                  GetModuleHandleA(nullptr), own ? &control : nullptr);
    if (!window) throw Exception("Cannot create the window of " + control.Name() + ": " + LastSystemErrorText());
    if (!own) {
        control.AttachHandle(window);
        control.previousWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassWndProc)));
    }
    return window;
}

}  // namespace bvt
