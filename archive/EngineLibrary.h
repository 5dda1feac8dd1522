// The unzip engine library, loaded by full path only and unloaded by the
// destructor. A library that sits anywhere else (the program's folder, the
// current folder, the search path) is never picked up.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

#include "UnzDllApi.h"

namespace bvt {

class EngineLibrary {
public:
    // Loads the library at fullPath with the system's critical-error boxes
    // suppressed. On failure Loaded() is false and Error() says why.
    explicit EngineLibrary(const std::string& fullPath);
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    bool Loaded() const { return exec_ != nullptr && version_ != nullptr; }
    const std::string& Error() const { return error_; }
    const std::string& Path() const { return path_; }

    std::int32_t Version() const { return version_(); }
    std::int32_t Exec(UnzDllParams& params) const { return exec_(&params); }

private:
    std::string path_, error_;
    HMODULE module_ = nullptr;
    UnzDllExecFn exec_ = nullptr;
    GetUnzDllVersionFn version_ = nullptr;
};

// DLLDirectory + one backslash + "UNZDLL.DLL", made absolute.
std::string EngineFullPath(const std::string& dllDirectory);

}  // namespace bvt

#endif
