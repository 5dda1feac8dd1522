// Reading a window description linked into the running program as an
// RCDATA resource.
#include <windows.h>

#include "ComponentStreaming.h"

namespace bvt {

void ReadComponentResource(TComponent& root, const char* resourceName) {
    const std::string name = resourceName;
    HMODULE module = GetModuleHandleA(nullptr);
    if (!module) throw EDescriptionError("Resource " + name + " not found (no module handle: " + LastSystemErrorText() + ")");
    HRSRC info = FindResourceA(module, resourceName, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info) throw EDescriptionError("Resource " + name + " not found");
    const DWORD size = SizeofResource(module, info);
    HGLOBAL handle = LoadResource(module, info);
    if (!handle) throw EDescriptionError("Resource " + name + " cannot be loaded: " + LastSystemErrorText());
    const void* data = LockResource(handle);
    if (!data) throw EDescriptionError("Resource " + name + " cannot be locked: " + LastSystemErrorText());
    ReadRootComponent(root, data, size);
}

}  // namespace bvt
