// Test helpers: a registry seam that records each call, counts handles
// opened and closed and can make chosen calls fail; and raw registry
// access that bypasses the code under test.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Registry.h"

namespace bvt::test {

struct RegistryCall {
    enum Kind { Create, Open, SetValue, QueryValue, Close } kind;
    std::string name;  // subkey path or value name
    REGSAM access = 0;
    LONG result = 0;
};

// Installs itself as the registry table for its lifetime. `fail`, when
// set, is asked before every create/open/set/query: a non-zero answer is
// returned instead of calling the system.
class RegistrySpy {
public:
    RegistrySpy();
    ~RegistrySpy();
    RegistrySpy(const RegistrySpy&) = delete;
    RegistrySpy& operator=(const RegistrySpy&) = delete;

    std::function<LONG(const RegistryCall&)> fail;
    std::vector<RegistryCall> calls;
    int opened = 0;  // handles handed out by create/open
    int closed = 0;

    int OpenHandles() const { return opened - closed; }
    std::vector<RegistryCall> Calls(RegistryCall::Kind kind) const;

private:
    RegistryApi saved_;
};

struct RawValue {
    DWORD type = 0;
    std::string data;  // the stored bytes, terminating NUL included
};

std::optional<RawValue> RawRead(HKEY root, const std::string& path, const std::string& name);
void RawWrite(HKEY root, const std::string& path, const std::string& name, DWORD type, const std::string& data);
void RawWriteString(HKEY root, const std::string& path, const std::string& name, const std::string& text);
void RawDeleteValue(HKEY root, const std::string& path, const std::string& name);
void RawDeleteTree(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);
// The string value's text without its terminating NUL; nullopt if missing.
std::optional<std::string> RawString(HKEY root, const std::string& path, const std::string& name);

// Sets a key's DACL to one entry allowing `rights` to Everyone.
void RestrictKey(HKEY root, const std::string& path, REGSAM rights);

}  // namespace bvt::test
