#include "win32/base/com_bstr.h"

#include <new>

#include "win32/base/wide_text.h"

namespace qvl::win32 {

UniqueBstr::UniqueBstr(std::string_view utf8) {
    std::wstring wide = toWide(utf8);
    s_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (!s_) throw std::bad_alloc();
}

std::string UniqueBstr::toUtf8(BSTR s) {
    if (!s) return {};
    return win32::toUtf8(std::wstring_view(s, SysStringLen(s)));
}

}  // namespace qvl::win32
