#pragma once

#include <windows.h>

namespace qvl::win32 {

// Hands one queued message to its window, with the keyboard navigation of the program's
// window (Tab, arrows in option groups, Enter, Esc) applied first.
void dispatchWithNavigation(MSG& message);

// Processes the messages that are waiting, without waiting for more (VB's DoEvents). A quit
// request found on the way is put back, so that the main loop still ends on it.
void processPendingMessages();

}  // namespace qvl::win32
