#include "ShortcutReader.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "ComObj.h"

namespace bvt::test {

std::optional<ShortcutFields> ReadShortcut(const std::string& file) {
    CoInitialize(nullptr);
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Receive())))
        return std::nullopt;
    ComPtr<IPersistFile> persist;
    if (FAILED(link->QueryInterface(IID_IPersistFile, persist.Receive()))) return std::nullopt;
    std::wstring wide(file.begin(), file.end());
    if (FAILED(persist->Load(wide.c_str(), STGM_READ))) return std::nullopt;
    char buffer[MAX_PATH * 2];
    ShortcutFields fields;
    buffer[0] = 0;
    link->GetPath(buffer, sizeof buffer, nullptr, SLGP_RAWPATH);
    fields.target = buffer;
    buffer[0] = 0;
    link->GetArguments(buffer, sizeof buffer);
    fields.arguments = buffer;
    buffer[0] = 0;
    link->GetWorkingDirectory(buffer, sizeof buffer);
    fields.workingDirectory = buffer;
    buffer[0] = 0;
    link->GetDescription(buffer, sizeof buffer);
    fields.description = buffer;
    return fields;
}

bool FileExistsAt(const std::string& file) { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace bvt::test
