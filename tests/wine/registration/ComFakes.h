// COM stand-ins for tests: an object that offers only IUnknown and counts
// its references, and a replaceable creation hook.
#pragma once

#include <windows.h>
#include <objbase.h>

#include "ComObj.h"

namespace bvt::test {

// Offers IUnknown and, when asked to, hands itself out for one more
// interface: safe as long as only the IUnknown methods are called on it.
class BareObject : public IUnknown {
public:
    LONG references = 1;
    const IID* alsoOffers = nullptr;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !(alsoOffers && IsEqualIID(iid, *alsoOffers))) return E_NOINTERFACE;
        *object = static_cast<IUnknown*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++references); }
    ULONG STDMETHODCALLTYPE Release() override { return ULONG(--references); }
};

// While alive, object creation goes to `create` (counting calls).
class ComHook {
public:
    using Create = HRESULT (*)(int call, void** object);
    explicit ComHook(Create create);
    ~ComHook();
    ComHook(const ComHook&) = delete;
    ComHook& operator=(const ComHook&) = delete;
    int calls = 0;

private:
    ComApi saved_;
};

}  // namespace bvt::test
