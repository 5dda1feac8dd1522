#include "DocumentWindow.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "FileStream.h"
#include "StringUtils.h"
#include "resource.h"

namespace bvt {

namespace {

constexpr char kWindowClass[] = "BrivantaDocumentWindow";
constexpr int kLineStep = 20;

std::string ModuleFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    return ExtractFilePath(std::string(path, length));
}

std::string WindowsFolder() {
    char path[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    std::string folder(path, length);
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

DocumentWindow::DocumentWindow(HINSTANCE instance) : instance_(instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &DocumentWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON),
                                                        IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExA(&windowClass) == 0)
        throw Exception("Cannot register the window class: " + LastSystemErrorText());

    window_ = CreateWindowExA(0, kWindowClass, kProductName, WS_OVERLAPPEDWINDOW | WS_VSCROLL, CW_USEDEFAULT,
                              CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, this);
    if (window_ == nullptr) throw Exception("Cannot create the main window: " + LastSystemErrorText());
}

void DocumentWindow::OpenDocument(const std::string& path) {
    try {
        auto document = std::make_unique<BvtDocument>(LoadBvtDocument(path));
        document_ = std::move(document);
        documentPath_ = path;
        scrollY_ = 0;
    } catch (const Exception& failure) {
        document_.reset();
        documentPath_.clear();
        UpdateCaption();
        Relayout();
        ShowError("Brivanta cannot open the document \"" + path + "\".\r\n\r\n" + failure.Message());
        return;
    }
    UpdateCaption();
    Relayout();
}

LRESULT CALLBACK DocumentWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<DocumentWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<DocumentWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    // No exception may cross into the system's code: report and go on.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& failure) {
        self->ShowError(failure.what());
        return 0;
    }
}

LRESULT DocumentWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SIZE:
        Relayout();
        return 0;
    case WM_VSCROLL:
        OnVerticalScroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        ScrollTo(scrollY_ - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * kLineStep / WHEEL_DELTA);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_NEXT) OnVerticalScroll(SB_PAGEDOWN);
        if (wParam == VK_PRIOR) OnVerticalScroll(SB_PAGEUP);
        if (wParam == VK_DOWN) OnVerticalScroll(SB_LINEDOWN);
        if (wParam == VK_UP) OnVerticalScroll(SB_LINEUP);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void DocumentWindow::OnCommand(int id) {
    switch (id) {
    case IDM_OPEN:
        ChooseAndOpenDocument();
        break;
    case IDM_EXIT:
        DestroyWindow(window_);
        break;
    case IDM_HELP_CONTENTS:
        ShowHelp();
        break;
    case IDM_ABOUT:
        MessageBoxA(window_, "Brivanta 3.0 beta 1\r\n\r\nA reader for Brivanta documents (.bvt).", "About Brivanta",
                    MB_OK | MB_ICONINFORMATION);
        break;
    default:
        break;
    }
}

void DocumentWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (document_) {
        layout_.Paint(dc, scrollY_);
    } else {
        RECT client;
        GetClientRect(window_, &client);
        HGDIOBJ old = SelectObject(dc, fonts_.hint);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0x90, 0x90, 0x90));
        DrawTextA(dc, "Open a Brivanta document with File > Open.", -1, &client,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
    }
    EndPaint(window_, &paint);
}

void DocumentWindow::OnVerticalScroll(int request) {
    RECT client;
    GetClientRect(window_, &client);
    const int page = client.bottom - client.top;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window_, SB_VERT, &info);
    switch (request) {
    case SB_LINEUP: ScrollTo(scrollY_ - kLineStep); break;
    case SB_LINEDOWN: ScrollTo(scrollY_ + kLineStep); break;
    case SB_PAGEUP: ScrollTo(scrollY_ - page); break;
    case SB_PAGEDOWN: ScrollTo(scrollY_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(layout_.Height()); break;
    default: break;
    }
}

void DocumentWindow::ScrollTo(int position) {
    RECT client;
    GetClientRect(window_, &client);
    const int maximum = std::max(0, layout_.Height() - static_cast<int>(client.bottom - client.top));
    position = std::clamp(position, 0, maximum);
    if (position == scrollY_) return;
    scrollY_ = position;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = scrollY_;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    InvalidateRect(window_, nullptr, TRUE);
}

void DocumentWindow::Relayout() {
    RECT client;
    GetClientRect(window_, &client);
    if (document_) {
        HDC dc = GetDC(window_);
        layout_.Build(dc, fonts_, *document_, client.right - client.left);
        ReleaseDC(window_, dc);
    } else {
        layout_.Clear();
    }
    const int page = client.bottom - client.top;
    scrollY_ = std::clamp(scrollY_, 0, std::max(0, layout_.Height() - page));
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = layout_.Height();
    info.nPage = static_cast<UINT>(page);
    info.nPos = scrollY_;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    InvalidateRect(window_, nullptr, TRUE);
}

void DocumentWindow::UpdateCaption() {
    const std::string caption =
        document_ ? ExtractFileName(documentPath_) + " - " + kProductName : std::string(kProductName);
    SetWindowTextA(window_, caption.c_str());
}

void DocumentWindow::ChooseAndOpenDocument() {
    char path[MAX_PATH + 1] = {};
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = window_;
    request.lpstrFilter = "Brivanta documents (*.bvt)\0*.bvt\0All files (*.*)\0*.*\0";
    request.lpstrFile = path;
    request.nMaxFile = MAX_PATH;
    request.lpstrDefExt = "bvt";
    request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&request)) OpenDocument(path);
}

// The help file lies next to the program; the system's HTML help viewer
// (hh.exe in the Windows folder, named by full path) shows it.
void DocumentWindow::ShowHelp() {
    const std::string helpFile = ModuleFolder() + "Brivanta.chm";
    if (!FileExists(helpFile)) {
        ShowError("The help file \"" + helpFile + "\" was not found.");
        return;
    }
    const std::string viewer = WindowsFolder() + "hh.exe";
    const std::string parameters = "\"" + helpFile + "\"";
    HINSTANCE started = reinterpret_cast<HINSTANCE>(32);
    if (FileExists(viewer))
        started = ShellExecuteA(window_, "open", viewer.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) <= 32)
        started = ShellExecuteA(window_, "open", helpFile.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) <= 32)
        ShowError("The help file \"" + helpFile + "\" could not be opened.");
}

void DocumentWindow::ShowError(const std::string& text) {
    MessageBoxA(window_, text.c_str(), kProductName, MB_OK | MB_ICONERROR);
}

}  // namespace bvt
