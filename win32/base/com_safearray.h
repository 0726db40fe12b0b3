#pragma once

#include <windows.h>

#include <oleauto.h>

#include <utility>

namespace qvl::win32 {

// An owning SAFEARRAY, destroyed (with its elements) when it goes.
class UniqueSafeArray {
public:
    UniqueSafeArray() = default;
    explicit UniqueSafeArray(SAFEARRAY* owned) noexcept : a_(owned) {}
    UniqueSafeArray(const UniqueSafeArray&) = delete;
    UniqueSafeArray& operator=(const UniqueSafeArray&) = delete;
    UniqueSafeArray(UniqueSafeArray&& other) noexcept : a_(std::exchange(other.a_, nullptr)) {}
    UniqueSafeArray& operator=(UniqueSafeArray&& other) noexcept {
        std::swap(a_, other.a_);
        return *this;
    }
    ~UniqueSafeArray() { reset(); }

    void reset() noexcept {
        if (SAFEARRAY* old = std::exchange(a_, nullptr)) SafeArrayDestroy(old);
    }
    SAFEARRAY* get() const noexcept { return a_; }
    SAFEARRAY* release() noexcept { return std::exchange(a_, nullptr); }

private:
    SAFEARRAY* a_ = nullptr;
};

// Access to the data of a SAFEARRAY for the time of a scope (SafeArrayAccessData).
class SafeArrayData {
public:
    explicit SafeArrayData(SAFEARRAY* array);
    SafeArrayData(const SafeArrayData&) = delete;
    SafeArrayData& operator=(const SafeArrayData&) = delete;
    ~SafeArrayData();

    void* data() const noexcept { return data_; }

private:
    SAFEARRAY* array_;
    void* data_ = nullptr;
};

}  // namespace qvl::win32
