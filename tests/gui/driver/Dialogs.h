// Standard dialogs of another process: message boxes and the folder-browse
// dialog, both of class #32770.
#pragma once

#include "Window.h"

#include <string>

namespace bvt::gui {

constexpr int MessageTextId = 0xFFFF;  // the static that holds a message box's text

// Waits for a visible #32770 of process `pid` (0: any) with this caption.
Window WaitForDialog(DWORD pid, const std::string& caption, DWORD timeoutMs);
// The message box's text, as the static control holds it.
std::string MessageText(const Window& box);
// Presses the button with this id (IDOK, IDCANCEL, ...) by posting BM_CLICK.
void PressButton(const Window& dialog, int id);
// Waits until the dialog is gone.
bool WaitClosed(const Window& window, DWORD timeoutMs);

// Every visible #32770 of `pid` as "caption: text" lines, for failure
// messages.
std::string DescribeDialogs(DWORD pid);

// The folder-browse dialog's tree: waits until an item is selected (the
// preselection is made while the dialog starts).
bool WaitForFolderSelection(const Window& browseDialog, DWORD timeoutMs);
// Selects the parent of the selected item.
bool SelectParentFolder(const Window& browseDialog);

}  // namespace bvt::gui
