#include "Registry.h"

#include <aclapi.h>

#include <stdexcept>

namespace bvt::gui {

namespace {

HKEY CreateKey(HKEY root, const std::string& key, REGSAM access) {
    HKEY handle = nullptr;
    const LONG rc = RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                    nullptr, &handle, nullptr);
    if (rc != ERROR_SUCCESS) throw std::runtime_error("creating key " + key + ": error " + std::to_string(rc));
    return handle;
}

}  // namespace

void SetRegString(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
    HKEY handle = CreateKey(root, key, KEY_SET_VALUE);
    const LONG rc = RegSetValueExA(handle, name.c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    if (rc != ERROR_SUCCESS) throw std::runtime_error("setting " + key + "\\" + name + ": error " + std::to_string(rc));
}

std::string GetRegString(HKEY root, const std::string& key, const std::string& name) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    if (RegGetValueA(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) {
        return "";
    }
    return buffer;
}

void MakeKeyReadOnly(HKEY root, const std::string& key) {
    HKEY handle = CreateKey(root, key, KEY_ALL_ACCESS);
    EXPLICIT_ACCESS_A grant{};
    char everyone[] = "EVERYONE";
    BuildExplicitAccessWithNameA(&grant, everyone, KEY_READ, SET_ACCESS, NO_INHERITANCE);
    PACL acl = nullptr;
    DWORD rc = SetEntriesInAclA(1, &grant, nullptr, &acl);
    if (rc == ERROR_SUCCESS) {
        SECURITY_DESCRIPTOR sd;
        InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
        rc = static_cast<DWORD>(RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, &sd));
        LocalFree(acl);
    }
    RegCloseKey(handle);
    if (rc != ERROR_SUCCESS) throw std::runtime_error("restricting key " + key + ": error " + std::to_string(rc));
}

}  // namespace bvt::gui
