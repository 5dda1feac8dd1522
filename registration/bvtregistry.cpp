#include "bvtregistry.h"

namespace bvt {

namespace {

constexpr REGSAM kFullAccess = KEY_ALL_ACCESS;
constexpr REGSAM kReadWriteAccess = KEY_READ | KEY_WRITE;

LONG CreateKey(HKEY base, const std::string& path, REGSAM access, UniqueRegKey& key) {
    DWORD disposition = 0;
    return RegistryCalls().CreateKeyEx(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                       key.Receive(), &disposition);
}

LONG OpenExistingKey(HKEY base, const std::string& path, REGSAM access, UniqueRegKey& key) {
    return RegistryCalls().OpenKeyEx(base, path.c_str(), 0, access, key.Receive());
}

}  // namespace

bool TRegistry2000::IsRelative(const std::string& path) { return path.empty() || path[0] != '\\'; }

bool TRegistry2000::OpenKey(const std::string& path, bool canCreate) {
    std::string s = path;
    const bool relative = IsRelative(s);
    if (!relative) s.erase(0, 1);
    if (!s.empty() && s.back() == '\\') s.pop_back();
    const bool fromCurrent = CurrentKey() && relative;
    const HKEY base = fromCurrent ? CurrentKey() : RootKey();

    auto attempt = (canCreate && !s.empty()) ? CreateKey : OpenExistingKey;
    UniqueRegKey key;
    LONG result = attempt(base, s, kFullAccess, key);
    if (result != ERROR_SUCCESS) {
        key.Release();  // the out-parameter of a failed call is no handle
        result = attempt(base, s, kReadWriteAccess, key);
    }
    if (result != ERROR_SUCCESS) {
        key.Release();
        return false;
    }
    ChangeKey(std::move(key), fromCurrent ? CurrentPath() + "\\" + s : s);
    return true;
}

}  // namespace bvt
