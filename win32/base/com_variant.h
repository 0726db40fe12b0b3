#pragma once

#include <windows.h>

#include <oleauto.h>

#include <utility>

namespace qvl::win32 {

// An owning VARIANT: cleared (releasing its object, string or array) when it goes.
class UniqueVariant {
public:
    UniqueVariant() noexcept { VariantInit(&v_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    UniqueVariant(UniqueVariant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    UniqueVariant& operator=(UniqueVariant&& other) noexcept {
        std::swap(v_, other.v_);
        return *this;
    }
    ~UniqueVariant() { VariantClear(&v_); }

    void reset() noexcept { VariantClear(&v_); }
    // Clears what was held, for an out-parameter.
    VARIANT* put() noexcept {
        reset();
        return &v_;
    }
    VARIANT& get() noexcept { return v_; }
    const VARIANT& get() const noexcept { return v_; }
    // Gives the value up to the caller, leaving Empty.
    VARIANT release() noexcept {
        VARIANT out = v_;
        VariantInit(&v_);
        return out;
    }

private:
    VARIANT v_;
};

}  // namespace qvl::win32
