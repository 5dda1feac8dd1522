// Shell shortcuts through the shell link object.
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "ComObj.h"
#include "StringUtils.h"
#include "install.h"

namespace bvt {

namespace {

// The path as the zero-terminated UTF-16 text the link object saves to.
// (A vector, not std::wstring: the installer links no wide-string code.)
std::vector<wchar_t> AnsiToWide(const std::string& text) {
    std::vector<wchar_t> wide(1, L'\0');
    if (text.empty()) return wide;
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return wide;
    wide.resize(static_cast<size_t>(length) + 1);
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    wide[static_cast<size_t>(length)] = L'\0';
    return wide;
}

}  // namespace

void CreateShortcut(const std::string& target, const std::string& arguments, const std::string& shortcutFile,
                    const std::string& description) {
    // Already initialised threads just continue (S_FALSE); the matching
    // uninitialise is left to the thread's end, as the caller may use COM.
    CoInitialize(nullptr);
    ComPtr<IUnknown> object = CreateComObject(CLSID_ShellLink);
    ComPtr<IShellLinkA> link = InterfaceCast<IShellLinkA>(object.Get(), IID_IShellLinkA);
    ComPtr<IPersistFile> file = InterfaceCast<IPersistFile>(object.Get(), IID_IPersistFile);

    // Failures to set a property or save are not reported: a shortcut is a
    // convenience, and a missing folder simply means no shortcut.
    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetWorkingDirectory(ExtractFilePath(target).c_str());
    link->SetDescription(description.c_str());
    file->Save(AnsiToWide(shortcutFile).data(), FALSE);
}

}  // namespace bvt
