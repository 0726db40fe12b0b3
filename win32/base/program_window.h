#pragma once

#include <windows.h>

namespace qvl::win32 {

// The window class of a program's main window. Dialogs that the platform shows (message boxes,
// the input box, the file dialogs) are owned by that window.
inline constexpr const wchar_t* programWindowClass = L"QuorvelForm";

// A property that a program window carries while the program starts: seen from outside (an
// inspection tool, a driver of the program), the window is shown but does not take input yet.
inline constexpr const wchar_t* programStartingProperty = L"QuorvelStarting";

// The calling thread's program window (it may still be hidden while it loads), or nullptr.
HWND findProgramWindow();

}  // namespace qvl::win32

namespace qvl::win32 {

// Sent to a program window with a queued message (lParam: MSG*) before the message is
// dispatched; the window answers non-zero when it handled the message itself (its own
// keyboard navigation).
UINT navigationMessage();

}  // namespace qvl::win32
