#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace qvl::win32 {

// Runs an event handler of the program. An automation error that no handler traps shows the
// run-time error box, owned by `owner` and captioned with the program's title, and the program
// goes on; any other exception shows its text and ends the program. Nothing escapes into the
// window procedure that called.
void runEvent(HWND owner, const std::string& programTitle, const std::function<void()>& handler);

// The box of an exception that ends the program.
void showFatalError(HWND owner, const std::string& programTitle, const std::exception& error);

// The box of an exception that reached the program's main (a failed start-up), owned by the
// program's window: the run-time error box for an automation error, otherwise its text.
void showUncaught(const std::string& programTitle, std::exception_ptr error);

}  // namespace qvl::win32
