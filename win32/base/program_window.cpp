#include "win32/base/program_window.h"

#include <cwchar>

namespace qvl::win32 {
namespace {

BOOL CALLBACK takeProgramWindow(HWND window, LPARAM found) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wcscmp(className, programWindowClass) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

HWND findProgramWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), takeProgramWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace qvl::win32

namespace qvl::win32 {

UINT navigationMessage() {
    static const UINT message = RegisterWindowMessageW(L"QuorvelNavigation");
    return message;
}

}  // namespace qvl::win32
