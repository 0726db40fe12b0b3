#pragma once

#include <windows.h>

#include <unknwn.h>

#include <utility>

namespace qvl::win32 {

// An owning COM interface pointer: one reference, released when the pointer goes.
// `put()` releases what it held before handing out its address for an out-parameter.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference to `p`.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    // Owns `p` without adding a reference (a pointer a call handed over).
    static ComPtr attach(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    // Gives the reference up to the caller.
    T* detach() noexcept { return std::exchange(p_, nullptr); }

    void reset() noexcept {
        if (T* old = std::exchange(p_, nullptr)) old->Release();
    }
    T** put() noexcept {
        reset();
        return &p_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // QueryInterface; an empty pointer when the object has no such interface.
    template <typename U>
    ComPtr<U> query() const {
        ComPtr<U> result;
        if (p_) p_->QueryInterface(__uuidof(U), result.putVoid());
        return result;
    }

private:
    T* p_ = nullptr;
};

}  // namespace qvl::win32
