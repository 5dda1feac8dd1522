#include "LibraryLoading.h"

#include <windows.h>

namespace bvt {

void HardenLibraryLoading() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) return;
    auto set = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set != nullptr) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace bvt
