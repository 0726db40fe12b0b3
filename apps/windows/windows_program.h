#pragma once

#include <string>

#include "apps/launcher.h"

namespace qvl::apps {

// The whole life of a Windows program: builds the machine's Win32 backends, starts the program
// with its launcher (with the arguments of its command line) and runs the message loop until
// the window is closed, or returns at once the exit status of a program that ended by itself.
// An error that reaches this point is shown in a box captioned `title`. Returns the process's
// exit code.
int runWindowsProgram(const std::string& title, const Launcher& launch);

}  // namespace qvl::apps
