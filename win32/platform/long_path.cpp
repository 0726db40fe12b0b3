#include "win32/platform/long_path.h"

#include <windows.h>

#include <algorithm>

#include "win32/base/wide_text.h"

namespace qvl::win32 {
namespace {

std::wstring fullPath(const std::wstring& path) {
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    size = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(size);
    return full;
}

}  // namespace

std::wstring extendedLengthPath(std::string_view windowsPath) {
    std::wstring path = toWide(windowsPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    if (path.rfind(L"\\\\?\\", 0) == 0) return path;
    path = fullPath(path);
    if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

}  // namespace qvl::win32
