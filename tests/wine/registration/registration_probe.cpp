// Runs the application's registration once, for checks from outside the
// process:
//   registration_probe [--read-only KEY] FOLDER ASSOCIATE STARTMENU DESKTOP
// ASSOCIATE, STARTMENU, DESKTOP are 0 or 1. --read-only first creates the
// key KEY below HKEY_LOCAL_MACHINE and lets everyone only read it (key
// security is not saved with the registry, so it must be set in the same
// session as the registration). Exit code 0 on success; 1 with the
// exception's message on stdout; 2 on wrong usage or set-up failure.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "install.h"

namespace {

bool MakeReadOnly(const char* path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    alignas(DWORD) BYTE aclBuffer[256];
    auto* acl = reinterpret_cast<ACL*>(aclBuffer);
    SECURITY_DESCRIPTOR descriptor;
    bool done = AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone) &&
                InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION) &&
                AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, everyone) &&
                InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
                RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    if (everyone) FreeSid(everyone);
    RegCloseKey(key);
    return done;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--read-only") == 0) {
        if (!MakeReadOnly(argv[2])) {
            std::puts("cannot restrict the key");
            return 2;
        }
        first = 3;
    }
    if (argc - first != 4) {
        std::puts("usage: registration_probe [--read-only KEY] FOLDER ASSOCIATE STARTMENU DESKTOP");
        return 2;
    }
    auto flag = [](const char* text) { return std::strcmp(text, "1") == 0; };
    try {
        bvt::RegisterApplication(argv[first], flag(argv[first + 1]), flag(argv[first + 2]), flag(argv[first + 3]));
    } catch (const std::exception& e) {
        std::printf("%s\n", e.what());
        return 1;
    }
    return 0;
}
