#include "ComFakes.h"

namespace bvt::test {

namespace {

ComHook* hook = nullptr;
ComHook::Create hookCreate = nullptr;

HRESULT WINAPI HookedCreateInstance(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID* object) {
    *object = nullptr;
    return hookCreate(++hook->calls, object);
}

}  // namespace

ComHook::ComHook(Create create) : saved_(Com()) {
    hook = this;
    hookCreate = create;
    Com().CreateInstance = HookedCreateInstance;
}

ComHook::~ComHook() {
    Com() = saved_;
    hook = nullptr;
    hookCreate = nullptr;
}

}  // namespace bvt::test
