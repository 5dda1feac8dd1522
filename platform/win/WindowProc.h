// The window procedures of the GUI layer: every window of the program (our
// own classes and subclassed system controls) goes through one trampoline
// that finds the control object, shows the application-wide cursor,
// reflects notifications to the control that sent them and makes sure no
// C++ exception ever leaves a window procedure.
#pragma once

#include <windows.h>

#include <string>

namespace bvt {

class TControl;

// The control object of a window of this program, or null.
TControl* ControlFromHandle(HWND handle);

// Creates the window of a control. windowClass null: a class of our own
// named ownClassName; otherwise a system class, subclassed.
HWND CreateControlWindow(TControl& control, const char* windowClass, const std::string& ownClassName,
                         DWORD exStyle, DWORD style, const RECT& bounds, HWND parent);

}  // namespace bvt
