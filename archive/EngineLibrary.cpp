#include "EngineLibrary.h"

#include "Exceptions.h"

namespace bvt {

std::string EngineFullPath(const std::string& dllDirectory) {
    const std::string joined = dllDirectory + "\\UNZDLL.DLL";
    char full[MAX_PATH * 2];
    const DWORD n = GetFullPathNameA(joined.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full, n) : joined;
}

EngineLibrary::EngineLibrary(const std::string& fullPath) : path_(fullPath) {
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // A path with a folder is never searched for; the altered search path
    // makes the library's own imports resolve from its folder first.
    module_ = LoadLibraryExA(fullPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    const std::string reason = module_ ? std::string() : LastSystemErrorText();
    SetErrorMode(oldMode);
    if (!module_) {
        error_ = "Unable to load the unzip engine " + fullPath + ": " + reason;
        return;
    }
    exec_ = reinterpret_cast<UnzDllExecFn>(reinterpret_cast<void*>(GetProcAddress(module_, "UnzDllExec")));
    version_ = reinterpret_cast<GetUnzDllVersionFn>(reinterpret_cast<void*>(GetProcAddress(module_, "GetUnzDllVersion")));
    if (!exec_ || !version_)
        error_ = std::string("The unzip engine ") + fullPath + " lacks the entry point " +
                 (exec_ ? "GetUnzDllVersion" : "UnzDllExec");
}

EngineLibrary::~EngineLibrary() {
    if (module_) FreeLibrary(module_);
}

}  // namespace bvt
