#include "Dialogs.h"

#include "Wait.h"

#include <commctrl.h>

namespace bvt::gui {

Window WaitForDialog(DWORD pid, const std::string& caption, DWORD timeoutMs) {
    Window found;
    WaitUntil([&] { return bool(found = FindTopLevel(pid, caption, "#32770")); }, timeoutMs);
    return found;
}

std::string MessageText(const Window& box) {
    const Window text = box.ChildById(MessageTextId);
    return text ? text.Text() : std::string();
}

void PressButton(const Window& dialog, int id) {
    if (const Window button = dialog.ChildById(id)) {
        PostMessageA(button.Handle(), BM_CLICK, 0, 0);
    } else {
        PostMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
}

bool WaitClosed(const Window& window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window.Handle()) || !window.Visible(); }, timeoutMs);
}

std::string DescribeDialogs(DWORD pid) {
    std::string result;
    for (const Window& w : TopLevelWindows(pid)) {
        if (w.Visible() && w.ClassName() == "#32770") {
            result += "[" + w.CaptionText() + ": " + MessageText(w) + "] ";
        }
    }
    return result.empty() ? "(no dialog)" : result;
}

namespace {

Window FolderTree(const Window& browseDialog) {
    return browseDialog.FindDescendant([](const Window& w) { return w.ClassName() == WC_TREEVIEWA; });
}

}  // namespace

bool WaitForFolderSelection(const Window& browseDialog, DWORD timeoutMs) {
    return WaitUntil([&] {
        const Window tree = FolderTree(browseDialog);
        return tree && tree.Send(TVM_GETNEXTITEM, TVGN_CARET, 0) != 0;
    }, timeoutMs);
}

bool SelectParentFolder(const Window& browseDialog) {
    const Window tree = FolderTree(browseDialog);
    if (!tree) return false;
    // Item handles are plain values: these messages need no marshalling.
    const LRESULT selected = tree.Send(TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (!selected) return false;
    const LRESULT parent = tree.Send(TVM_GETNEXTITEM, TVGN_PARENT, selected);
    if (!parent) return false;
    tree.Send(TVM_SELECTITEM, TVGN_CARET, parent);
    return tree.Send(TVM_GETNEXTITEM, TVGN_CARET, 0) == parent;
}

}  // namespace bvt::gui
