#include "ComObj.h"

#include "Registry.h"

namespace bvt {

ComApi& Com() {
    static ComApi api = {CoCreateInstance};
    return api;
}

std::string OleErrorMessage(HRESULT code) {
    char buffer[1024] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             static_cast<DWORD>(code), 0, buffer, sizeof buffer, nullptr);
    while (n > 0 && (buffer[n - 1] == '\r' || buffer[n - 1] == '\n' || buffer[n - 1] == ' ')) buffer[--n] = '\0';
    if (n > 0) return std::string(buffer, n);
    // "OLE error %.8x", written by hand: the installer links no printf.
    std::string text = "OLE error 00000000";
    DWORD value = static_cast<DWORD>(code);
    for (std::size_t i = text.size(); value != 0; value >>= 4) text[--i] = "0123456789abcdef"[value & 15];
    return text;
}

EOleSysError::EOleSysError(HRESULT code) : Exception(OleErrorMessage(code)), code_(code) {}

ComPtr<IUnknown> CreateComObject(const CLSID& classId) {
    ComPtr<IUnknown> object;
    const HRESULT hr = Com().CreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                            IID_IUnknown, object.Receive());
    if (FAILED(hr)) throw EOleSysError(hr);
    return object;
}

void CreateRegKey(const std::string& key, const std::string& name, const std::string& value, HKEY root) {
    UniqueRegKey handle;
    DWORD disposition = 0;
    if (RegistryCalls().CreateKeyEx(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                                    nullptr, handle.Receive(), &disposition) != ERROR_SUCCESS) {
        handle.Release();  // not a handle after a failed call
        throw EOleRegistrationError();
    }
    if (RegistryCalls().SetValueEx(handle.Get(), name.c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        throw EOleRegistrationError();
}

}  // namespace bvt
