#include "Registry.h"

#include <utility>
#include <vector>

namespace bvt {

namespace {

const RegistryApi systemRegistry = {RegCreateKeyExA, RegOpenKeyExA, RegSetValueExA, RegQueryValueExA, RegCloseKey};
RegistryApi registry = systemRegistry;

[[noreturn]] void RaiseRegistryError(const char* what, const std::string& name) {
    throw ERegistryException(std::string(what) + " '" + name + "'");
}

}  // namespace

RegistryApi& RegistryCalls() { return registry; }
const RegistryApi& SystemRegistryCalls() { return systemRegistry; }

UniqueRegKey& UniqueRegKey::operator=(UniqueRegKey&& other) noexcept {
    if (this != &other) {
        Reset();
        key_ = other.Release();
    }
    return *this;
}

HKEY* UniqueRegKey::Receive() {
    Reset();
    return &key_;
}

HKEY UniqueRegKey::Release() {
    HKEY key = key_;
    key_ = nullptr;
    return key;
}

void UniqueRegKey::Reset() {
    if (key_) RegistryCalls().CloseKey(Release());
}

void TRegistry::SetRootKey(HKEY root) {
    if (root == rootKey_) return;
    CloseKey();
    rootKey_ = root;
}

void TRegistry::CloseKey() {
    if (!currentKey_.Get()) return;
    if (!lazyWrite_) RegFlushKey(currentKey_.Get());
    currentKey_.Reset();
    currentPath_.clear();
}

void TRegistry::ChangeKey(UniqueRegKey key, std::string path) {
    CloseKey();
    currentKey_ = std::move(key);
    currentPath_ = std::move(path);
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    // Without a current key there is nothing to set the value on.
    if (!CurrentKey() || RegistryCalls().SetValueEx(CurrentKey(), name.c_str(), 0, REG_SZ,
                                                    reinterpret_cast<const BYTE*>(value.c_str()),
                                                    static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        RaiseRegistryError("Failed to set data for", name);
}

bool TRegistry::ValueExists(const std::string& name) const {
    if (!CurrentKey()) return false;
    DWORD type = 0, size = 0;
    return RegistryCalls().QueryValueEx(CurrentKey(), name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!CurrentKey()) return {};
    DWORD type = 0, size = 0;
    const LONG sizeQuery = RegistryCalls().QueryValueEx(CurrentKey(), name.c_str(), nullptr, &type, nullptr, &size);
    if (sizeQuery != ERROR_SUCCESS || size == 0) return {};
    // One spare NUL: stored strings need not be terminated.
    std::vector<char> data(size + 1, '\0');
    DWORD got = size;
    if (RegistryCalls().QueryValueEx(CurrentKey(), name.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(data.data()), &got) != ERROR_SUCCESS)
        RaiseRegistryError("Failed to get data for", name);
    if (type != REG_SZ && type != REG_EXPAND_SZ) RaiseRegistryError("Invalid data type for", name);
    std::string text(data.data(), got < size ? got : size);
    return text.substr(0, text.find('\0'));
}

}  // namespace bvt
