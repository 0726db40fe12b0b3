#include "win32/platform/start_info.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/base/wide_text.h"

namespace qvl::win32 {

std::vector<std::string> programArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(toUtf8(words[i]));
    LocalFree(words);
    return arguments;
}

std::string startFolder() {
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return toUtf8(folder);
}

}  // namespace qvl::win32
