#pragma once

#include <windows.h>

#include <objbase.h>

#include <stdexcept>

namespace qvl::win32 {

// The thread's COM apartment for the time of a scope.
class ComApartment {
public:
    enum class Kind { SingleThreaded, MultiThreaded };
    explicit ComApartment(Kind kind = Kind::SingleThreaded) {
        HRESULT hr = CoInitializeEx(nullptr, kind == Kind::SingleThreaded
                                                 ? COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE
                                                 : COINIT_MULTITHREADED);
        if (FAILED(hr)) throw std::runtime_error("COM cannot be initialised");
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() { CoUninitialize(); }
};

}  // namespace qvl::win32
