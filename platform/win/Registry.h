// The registry class over the Win32 registry API: a root key, at most one
// open key (the current key) with its path, and string value access.
// Subclasses decide how keys are opened (see TRegistry2000).
#pragma once

#include <windows.h>

#include <string>

#include "Exceptions.h"

namespace bvt {

// A registry value could not be set, read, or had the wrong type.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// The registry calls this layer makes, as a replaceable table: tests swap in
// wrappers to inject failures the real registry cannot produce and to count
// handles opened and closed. Defaults to the Win32 functions.
struct RegistryApi {
    decltype(&RegCreateKeyExA) CreateKeyEx;
    decltype(&RegOpenKeyExA) OpenKeyEx;
    decltype(&RegSetValueExA) SetValueEx;
    decltype(&RegQueryValueExA) QueryValueEx;
    decltype(&RegCloseKey) CloseKey;
};

// The table in use. Replace its entries (and restore them) only from tests.
RegistryApi& RegistryCalls();
// The Win32 functions themselves.
const RegistryApi& SystemRegistryCalls();

// Owns one open key handle and closes it through the table.
class UniqueRegKey {
public:
    UniqueRegKey() = default;
    explicit UniqueRegKey(HKEY key) : key_(key) {}
    UniqueRegKey(UniqueRegKey&& other) noexcept : key_(other.Release()) {}
    UniqueRegKey& operator=(UniqueRegKey&& other) noexcept;
    UniqueRegKey(const UniqueRegKey&) = delete;
    UniqueRegKey& operator=(const UniqueRegKey&) = delete;
    ~UniqueRegKey() { Reset(); }

    HKEY Get() const { return key_; }
    HKEY* Receive();  // closes the current handle; for out-parameters
    HKEY Release();
    void Reset();

private:
    HKEY key_ = nullptr;
};

class TRegistry {
public:
    TRegistry() = default;
    virtual ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return rootKey_; }
    // A different root closes the current key and clears the path.
    void SetRootKey(HKEY root);
    HKEY CurrentKey() const { return currentKey_.Get(); }
    const std::string& CurrentPath() const { return currentPath_; }
    REGSAM Access() const { return access_; }
    void SetAccess(REGSAM access) { access_ = access; }
    // Lazy write: closing is a plain close; otherwise the key is flushed first.
    bool LazyWrite() const { return lazyWrite_; }
    void SetLazyWrite(bool lazy) { lazyWrite_ = lazy; }

    void CloseKey();

    // REG_SZ with the text and its terminating NUL.
    void WriteString(const std::string& name, const std::string& value);
    bool ValueExists(const std::string& name) const;
    // REG_SZ / REG_EXPAND_SZ cut at the first NUL, never expanded; "" for a
    // missing or empty value.
    std::string ReadString(const std::string& name) const;

protected:
    // Adopts a newly opened key as the current one, closing the previous.
    void ChangeKey(UniqueRegKey key, std::string path);

private:
    HKEY rootKey_ = HKEY_CURRENT_USER;
    UniqueRegKey currentKey_;
    std::string currentPath_;
    REGSAM access_ = KEY_ALL_ACCESS;
    bool lazyWrite_ = true;
};

}  // namespace bvt
