#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace qvl::win32 {

// Owns one handle and closes it with `Close` when it goes; moves, never copies. `Invalid` is
// the value that means "no handle" for this kind (INVALID_HANDLE_VALUE for files, nullptr for
// GDI objects).
template <class Handle, auto Close, std::intptr_t Invalid = 0>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, invalid()));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != invalid(); }
    void reset(Handle handle = invalid()) {
        if (handle_ != invalid()) Close(handle_);
        handle_ = handle;
    }

private:
    static Handle invalid() { return reinterpret_cast<Handle>(Invalid); }
    Handle handle_ = invalid();
};

inline void closeHandle(HANDLE handle) { CloseHandle(handle); }
inline void deleteGdiObject(HFONT font) { DeleteObject(font); }
inline void destroyWindow(HWND window) { DestroyWindow(window); }

// A file opened by CreateFileW.
using UniqueFile = UniqueHandle<HANDLE, closeHandle, -1>;
// A process, thread or event: no handle is null.
using UniqueKernelObject = UniqueHandle<HANDLE, closeHandle>;
// A font made by CreateFontIndirectW.
using UniqueFont = UniqueHandle<HFONT, deleteGdiObject>;
// A window that is destroyed with its owner object.
using UniqueWindow = UniqueHandle<HWND, destroyWindow>;

}  // namespace qvl::win32
