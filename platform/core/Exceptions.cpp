#include "Exceptions.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#endif

namespace bvt {

EFOpenError::EFOpenError(const std::string& path, const std::string& reason)
    : EStreamError("Cannot open file \"" + path + "\". " + reason) {}

EFCreateError::EFCreateError(const std::string& path, const std::string& reason)
    : EStreamError("Cannot create file \"" + path + "\". " + reason) {}

std::string LastSystemErrorText() {
#ifdef _WIN32
    const DWORD code = GetLastError();
    char buffer[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                             0, buffer, sizeof buffer, nullptr);
    while (n > 0 && (buffer[n - 1] == '\r' || buffer[n - 1] == '\n' || buffer[n - 1] == ' ')) buffer[--n] = 0;
    if (n == 0) return "System error " + std::to_string(code);
    return buffer;
#else
    return std::strerror(errno);
#endif
}

}  // namespace bvt
