// The application's one window: shows a Brivanta document (or nothing),
// with a File menu to open another one and a Help menu.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "BvtDocument.h"
#include "DocumentLayout.h"

namespace bvt {

constexpr char kProductName[] = "Brivanta";

class DocumentWindow {
public:
    // Registers the window class and creates the (hidden) window; throws
    // Exception when the system refuses.
    explicit DocumentWindow(HINSTANCE instance);

    HWND Handle() const { return window_; }

    // Loads the document at path and shows it; a document that cannot be
    // read is reported in an error box and leaves the window empty.
    void OpenDocument(const std::string& path);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCommand(int id);
    void OnPaint();
    void OnVerticalScroll(int request);
    void ScrollTo(int position);
    void Relayout();
    void UpdateCaption();
    void ChooseAndOpenDocument();
    void ShowHelp();
    void ShowError(const std::string& text);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    DocumentFonts fonts_;
    std::unique_ptr<BvtDocument> document_;
    std::string documentPath_;
    DocumentLayout layout_;
    int scrollY_ = 0;
};

}  // namespace bvt
