#pragma once

#include <windows.h>

namespace qvl::win32 {

// The IUnknown of a COM object that lives as long as its owner (a class factory, a message
// filter, a type description): it answers for IUnknown and its one interface, and COM's
// references do not own it, so AddRef and Release count nothing.
template <class Interface, const IID& InterfaceId>
class UnownedComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == InterfaceId) {
            *out = static_cast<Interface*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

}  // namespace qvl::win32
