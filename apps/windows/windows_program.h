#pragma once

#include <functional>
#include <memory>
#include <string>

#include "common/automation/object_factory.h"
#include "common/catia/connection.h"
#include "common/platform/services.h"
#include "common/ui/form.h"
#include "common/winmsg/window_messages.h"

namespace qvl::apps {

// What a program gets from the Windows machine it runs on.
struct WindowsMachine {
    platform::Services& services;
    automation::ObjectFactory& automation;
    winmsg::WindowMessages& windowMessages;
    std::string programFolder;  // the folder of the program's executable
};

using MainWindowMaker = std::function<std::unique_ptr<ui::Form>(catia::Connection&, WindowsMachine&)>;

// The whole life of a Windows program: sets up COM and the common controls, builds the
// machine's Win32 backends, starts the program through `Main` with the window `makeWindow`
// makes, and runs the message loop until the window is closed. An error that reaches this
// point is shown with its text. Returns the process's exit code.
int runWindowsProgram(catia::Program program, const MainWindowMaker& makeWindow);

// The folder that holds the running executable, without a trailing backslash.
std::string executableFolder();

}  // namespace qvl::apps
