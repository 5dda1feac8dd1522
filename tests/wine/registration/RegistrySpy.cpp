#include "RegistrySpy.h"

#include <aclapi.h>

#include <stdexcept>

namespace bvt::test {

namespace {

RegistrySpy* active = nullptr;

LONG Record(RegistryCall call, const std::function<LONG()>& system) {
    if (active->fail) call.result = active->fail(call);
    if (call.result == 0) call.result = system();
    active->calls.push_back(call);
    return call.result;
}

LONG WINAPI SpyCreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                           const LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) {
    const LONG rc = Record({RegistryCall::Create, subKey ? subKey : "", access, 0}, [&] {
        return SystemRegistryCalls().CreateKeyEx(key, subKey, reserved, keyClass, options, access, security, result,
                                                 disposition);
    });
    if (rc == ERROR_SUCCESS) ++active->opened;
    return rc;
}

LONG WINAPI SpyOpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
    const LONG rc = Record({RegistryCall::Open, subKey ? subKey : "", access, 0},
                           [&] { return SystemRegistryCalls().OpenKeyEx(key, subKey, options, access, result); });
    if (rc == ERROR_SUCCESS) ++active->opened;
    return rc;
}

LONG WINAPI SpySetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
    return Record({RegistryCall::SetValue, name ? name : "", 0, 0},
                  [&] { return SystemRegistryCalls().SetValueEx(key, name, reserved, type, data, size); });
}

LONG WINAPI SpyQueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
    return Record({RegistryCall::QueryValue, name ? name : "", 0, 0},
                  [&] { return SystemRegistryCalls().QueryValueEx(key, name, reserved, type, data, size); });
}

LONG WINAPI SpyCloseKey(HKEY key) {
    ++active->closed;
    active->calls.push_back({RegistryCall::Close, "", 0, 0});
    return SystemRegistryCalls().CloseKey(key);
}

void Check(LONG rc, const std::string& what) {
    if (rc != ERROR_SUCCESS) throw std::runtime_error(what + " failed: " + std::to_string(rc));
}

}  // namespace

RegistrySpy::RegistrySpy() : saved_(RegistryCalls()) {
    active = this;
    RegistryCalls() = {SpyCreateKeyEx, SpyOpenKeyEx, SpySetValueEx, SpyQueryValueEx, SpyCloseKey};
}

RegistrySpy::~RegistrySpy() {
    RegistryCalls() = saved_;
    active = nullptr;
}

std::vector<RegistryCall> RegistrySpy::Calls(RegistryCall::Kind kind) const {
    std::vector<RegistryCall> result;
    for (const auto& call : calls)
        if (call.kind == kind) result.push_back(call);
    return result;
}

std::optional<RawValue> RawRead(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (rc == ERROR_SUCCESS) {
        value.data.resize(size);
        rc = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(&value.data[0]), &size);
        value.data.resize(size);
    }
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return std::nullopt;
    return value;
}

void RawWrite(HKEY root, const std::string& path, const std::string& name, DWORD type, const std::string& data) {
    HKEY key = nullptr;
    Check(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
          "creating " + path);
    const LONG rc =
        RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()));
    RegCloseKey(key);
    Check(rc, "setting " + name);
}

void RawWriteString(HKEY root, const std::string& path, const std::string& name, const std::string& text) {
    RawWrite(root, path, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void RawDeleteValue(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

void RawDeleteTree(HKEY root, const std::string& path) { RegDeleteTreeA(root, path.c_str()); }

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::string> RawString(HKEY root, const std::string& path, const std::string& name) {
    auto value = RawRead(root, path, name);
    if (!value || value->type != REG_SZ) return std::nullopt;
    std::string text = value->data;
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

void RestrictKey(HKEY root, const std::string& path, REGSAM rights) {
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone))
        throw std::runtime_error("AllocateAndInitializeSid failed");
    alignas(DWORD) BYTE aclBuffer[256];
    auto* acl = reinterpret_cast<ACL*>(aclBuffer);
    SECURITY_DESCRIPTOR descriptor;
    const bool built = InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION) &&
                       AddAccessAllowedAce(acl, ACL_REVISION, rights, everyone) &&
                       InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                       SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    FreeSid(everyone);
    if (!built) throw std::runtime_error("building the DACL failed");
    HKEY key = nullptr;
    Check(RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC, &key), "opening " + path);
    const LONG rc = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    RegCloseKey(key);
    Check(rc, "RegSetKeySecurity on " + path);
}

}  // namespace bvt::test
