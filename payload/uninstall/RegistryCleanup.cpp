#include "RegistryCleanup.h"

#include <vector>

namespace bvt {

namespace {

bool Missing(LONG result) { return result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND; }

class KeyHandle {
public:
    KeyHandle() = default;
    ~KeyHandle() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;

    LONG Open(HKEY root, const std::string& path, REGSAM access) {
        return RegOpenKeyExA(root, path.c_str(), 0, access, &key_);
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// Subkey names of an open key, read before any of them is deleted.
std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

// Returns the Windows result of removing the tree; missing counts as done.
LONG DeleteTree(HKEY root, const std::string& path) {
    {
        KeyHandle key;
        const LONG opened = key.Open(root, path, KEY_READ);
        if (Missing(opened)) return ERROR_SUCCESS;
        if (opened != ERROR_SUCCESS) return opened;
        for (const std::string& child : SubkeyNames(key.Get())) {
            const LONG result = DeleteTree(root, path + "\\" + child);
            if (result != ERROR_SUCCESS) return result;
        }
    }
    const LONG result = RegDeleteKeyA(root, path.c_str());
    return Missing(result) ? ERROR_SUCCESS : result;
}

}  // namespace

std::string RegistryItemName(HKEY root, const std::string& key, const std::string& value) {
    std::string rootName = root == HKEY_LOCAL_MACHINE  ? "HKEY_LOCAL_MACHINE"
                           : root == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER"
                           : root == HKEY_CLASSES_ROOT ? "HKEY_CLASSES_ROOT"
                                                       : "registry";
    std::string name = rootName + "\\" + key;
    if (!value.empty()) name += " (value \"" + value + "\")";
    return name;
}

bool ReadRegistryText(HKEY root, const std::string& key, const std::string& name, std::string& text) {
    KeyHandle handle;
    if (handle.Open(root, key, KEY_QUERY_VALUE) != ERROR_SUCCESS) return false;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    data[size < data.size() ? size : data.size() - 1] = '\0';
    text = data.data();
    return true;
}

void DeleteRegistryTree(HKEY root, const std::string& key, RemovalReport& report) {
    const LONG result = DeleteTree(root, key);
    if (result != ERROR_SUCCESS) report.Fail(RegistryItemName(root, key), static_cast<unsigned long>(result));
}

void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name, RemovalReport& report) {
    {
        KeyHandle handle;
        const LONG opened = handle.Open(root, key, KEY_SET_VALUE);
        if (Missing(opened)) return;
        if (opened != ERROR_SUCCESS) {
            report.Fail(RegistryItemName(root, key, name), static_cast<unsigned long>(opened));
            return;
        }
        const LONG deleted = RegDeleteValueA(handle.Get(), name.c_str());
        if (deleted != ERROR_SUCCESS && !Missing(deleted)) {
            report.Fail(RegistryItemName(root, key, name), static_cast<unsigned long>(deleted));
            return;
        }
    }
    DeleteRegistryKeyIfEmpty(root, key, report);
}

void DeleteRegistryKeyIfEmpty(HKEY root, const std::string& key, RemovalReport& report) {
    {
        KeyHandle handle;
        const LONG opened = handle.Open(root, key, KEY_READ);
        if (Missing(opened)) return;
        if (opened != ERROR_SUCCESS) {
            report.Fail(RegistryItemName(root, key), static_cast<unsigned long>(opened));
            return;
        }
        DWORD subkeys = 0;
        DWORD values = 0;
        const LONG queried = RegQueryInfoKeyA(handle.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                             &values, nullptr, nullptr, nullptr, nullptr);
        if (queried != ERROR_SUCCESS) {
            report.Fail(RegistryItemName(root, key), static_cast<unsigned long>(queried));
            return;
        }
        if (subkeys != 0 || values != 0) return;
    }
    const LONG deleted = RegDeleteKeyA(root, key.c_str());
    if (deleted != ERROR_SUCCESS && !Missing(deleted))
        report.Fail(RegistryItemName(root, key), static_cast<unsigned long>(deleted));
}

}  // namespace bvt
