#include "RemovalReport.h"

#include <windows.h>

namespace bvt {

std::string SystemErrorText(unsigned long error) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length != 0 && buffer != nullptr ? std::string(buffer, length)
                                                        : "Windows error " + std::to_string(error);
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

void RemovalReport::Fail(const std::string& item, unsigned long error) {
    failures.push_back(item + ": " + SystemErrorText(error));
}

}  // namespace bvt
