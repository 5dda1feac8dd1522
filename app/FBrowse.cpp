#include "FBrowse.h"

#include "Control.h"
#include "TypeInfo.h"

namespace bvt {

int CALLBACK TFolderBrowse::BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
    const auto* self = reinterpret_cast<const TFolderBrowse*>(data);
    if (message == BFFM_INITIALIZED && !self->directory_.empty())
        SendMessageA(dialog, BFFM_SETSELECTIONA, 1, reinterpret_cast<LPARAM>(self->directory_.c_str()));
    return 0;
}

bool TFolderBrowse::Execute(const TControl& owner) {
    bool result = false;
    char buffer[MAX_PATH] = {};
    browseInfo_ = BROWSEINFOA{};
    browseInfo_.hwndOwner = owner.Handle();
    browseInfo_.pidlRoot = nullptr;
    browseInfo_.pszDisplayName = buffer;
    browseInfo_.lpszTitle = title_.c_str();
    browseInfo_.ulFlags = BIF_RETURNONLYFSDIRS;
    browseInfo_.lpfn = BrowseCallback;
    browseInfo_.lParam = reinterpret_cast<LPARAM>(this);
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&browseInfo_);
    if (!item) return false;
    result = SHGetPathFromIDListA(item, buffer) != FALSE;
    CoTaskMemFree(item);
    // Without a file-system path Directory keeps its value.
    if (result) directory_ = buffer;
    return result;
}

void RegisterFolderBrowseClass() {
    RegisterClass<TFolderBrowse>("TFolderBrowse", "TComponent")
        .String("Directory", [](TFolderBrowse& c) { return c.Directory(); },
                [](TFolderBrowse& c, const std::string& v) { c.SetDirectory(v); },
                [](TFolderBrowse& c) { return !c.Directory().empty(); })
        .String("Title", [](TFolderBrowse& c) { return c.Title(); },
                [](TFolderBrowse& c, const std::string& v) { c.SetTitle(v); },
                [](TFolderBrowse& c) { return !c.Title().empty(); });
}

}  // namespace bvt
