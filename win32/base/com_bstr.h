#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace qvl::win32 {

// An owning BSTR; converts from and to UTF-8 text.
class UniqueBstr {
public:
    UniqueBstr() = default;
    explicit UniqueBstr(std::string_view utf8);
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    UniqueBstr(UniqueBstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept {
        std::swap(s_, other.s_);
        return *this;
    }
    ~UniqueBstr() { reset(); }

    static UniqueBstr attach(BSTR s) {
        UniqueBstr result;
        result.s_ = s;
        return result;
    }
    BSTR detach() noexcept { return std::exchange(s_, nullptr); }
    void reset() noexcept {
        if (BSTR old = std::exchange(s_, nullptr)) SysFreeString(old);
    }
    BSTR* put() noexcept {
        reset();
        return &s_;
    }
    BSTR get() const noexcept { return s_; }
    std::string utf8() const { return toUtf8(s_); }

    // The text of a BSTR that the caller does not own; null is the empty text.
    static std::string toUtf8(BSTR s);

private:
    BSTR s_ = nullptr;
};

}  // namespace qvl::win32
