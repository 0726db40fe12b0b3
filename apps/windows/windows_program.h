#pragma once

#include <string>

#include "apps/launcher.h"

namespace qvl::apps {

// The whole life of a Windows program: sets up OLE and the common controls, builds the
// machine's Win32 backends, starts the program with its launcher and runs the message loop
// until the window is closed. An error that reaches this point is shown with its text, in a
// box captioned `title`. Returns the process's exit code.
int runWindowsProgram(const std::string& title, const Launcher& launch);

// The folder that holds the running executable, without a trailing backslash: the program's
// folder, which holds its settings file and its Template folder.
std::string executableFolder();

}  // namespace qvl::apps
