// Input to another process's windows. Everything is posted, never sent: a
// click that opens a modal box would otherwise block the driver until the
// box closes.
#pragma once

#include "Window.h"

namespace bvt::gui {

// BM_CLICK on a push button or check box.
void Click(const Window& button);
// Left button down and up at the centre of the client area (for controls
// that are not BUTTON-class, such as a flat speed button).
void MouseClick(const Window& control);
// Key down and up (VK_RETURN, VK_ESCAPE, VK_TAB, ...) to `target`, the
// control that has the focus. The target's message loop translates them
// into WM_CHAR as it would typed keys.
void PressKey(const Window& target, UINT virtualKey);
// Replaces the text of an edit box (sent: WM_SETTEXT carries a pointer,
// which only a sent message can marshal; it opens nothing modal).
void SetText(const Window& edit, const std::string& text);
// The close box: WM_SYSCOMMAND SC_CLOSE.
void PressCloseBox(const Window& topLevel);
// Returns once every message posted to `edit`'s thread before this call
// has been handled: posts selection changes to the edit box and waits for
// them to show (the box must hold text). Used to prove that a key "did
// nothing".
bool DrainPostedInput(const Window& edit);

}  // namespace bvt::gui
