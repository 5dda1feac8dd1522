// COM helpers: a reference-owning interface pointer, object creation and
// interface casts that raise, the OLE exceptions, and CreateRegKey for
// writing one registry value with the access a registration needs.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string>

#include "Exceptions.h"

namespace bvt {

// A COM call failed; carries the HRESULT.
class EOleSysError : public Exception {
public:
    explicit EOleSysError(HRESULT code);
    HRESULT ErrorCode() const { return code_; }

private:
    HRESULT code_;
};

// The system's text for an HRESULT, or "OLE error xxxxxxxx" without one.
std::string OleErrorMessage(HRESULT code);

// An object does not provide the interface asked for.
class EIntfCastError : public Exception {
public:
    EIntfCastError() : Exception("Interface not supported") {}
};

// A registry entry for COM or the shell could not be written.
class EOleRegistrationError : public Exception {
public:
    EOleRegistrationError() : Exception("Error creating system registry entry") {}
};

// Holds one reference to an interface and releases it when it goes.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = other.p_;
            other.p_ = nullptr;
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // Releases the current reference; for out-parameters.
    void** Receive() {
        Reset();
        return reinterpret_cast<void**>(&p_);
    }
    void Reset() {
        if (p_) {
            T* p = p_;
            p_ = nullptr;
            p->Release();
        }
    }

private:
    T* p_ = nullptr;
};

// The object-creation call, replaceable by tests that need a creation to
// fail or to hand out a stand-in object. Defaults to CoCreateInstance.
struct ComApi {
    decltype(&CoCreateInstance) CreateInstance;
};
ComApi& Com();

// CoCreateInstance (in-process or local server) asking for IUnknown;
// raises EOleSysError on failure.
ComPtr<IUnknown> CreateComObject(const CLSID& classId);

// QueryInterface that raises EIntfCastError when the interface is missing.
template <class T>
ComPtr<T> InterfaceCast(IUnknown* object, const IID& iid) {
    ComPtr<T> result;
    if (!object || FAILED(object->QueryInterface(iid, result.Receive())) || !result) throw EIntfCastError();
    return result;
}

// Creates (or opens) `key` below `root` and sets its value `name` (empty:
// the unnamed value) to `value` as REG_SZ. Raises EOleRegistrationError.
void CreateRegKey(const std::string& key, const std::string& name, const std::string& value, HKEY root);

}  // namespace bvt
