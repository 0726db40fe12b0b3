#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/automation/object_factory.h"
#include "common/catia/connection.h"
#include "common/catia/connection_policy.h"
#include "common/platform/services.h"
#include "common/ui/form.h"
#include "common/ui/window_system.h"
#include "common/winmsg/window_messages.h"

namespace qvl::apps {

// What a program gets from the machine it runs on: the headless machine of a scenario, or the
// real one of a Windows executable.
struct Machine {
    platform::Services& services;
    automation::ObjectFactory& automation;
    ui::WindowSystem& windows;
    winmsg::WindowMessages& windowMessages;
    std::string programFolder;
    // The arguments the program was started with (none from its icon), and the folder it was
    // started in, against which relative paths among them are read.
    std::vector<std::string> arguments;
    std::string currentFolder;
};

// One running instance of a program: its main window, and whatever it keeps program-wide.
class ProgramInstance {
public:
    virtual ~ProgramInstance() = default;
    virtual ui::Form& mainWindow() = 0;
    // The exit status of a program that has done its work and ended by itself without showing
    // its window (an unattended run); nullopt while it lives in its window.
    virtual std::optional<int> exitStatus() const { return std::nullopt; }
};

// Starts a program on a machine: creates its instance and runs its start-up routine.
using Launcher = std::function<std::unique_ptr<ProgramInstance>(Machine&)>;

// A running program: its own copy of the connection module with the program's policy, and its
// main window, started by `Main` as the program's start-up does.
class RunningProgram : public ProgramInstance {
public:
    using WindowMaker = std::function<std::unique_ptr<ui::Form>(catia::Connection&)>;

    RunningProgram(Machine& machine, catia::ConnectionPolicy policy, const WindowMaker& makeWindow);
    ui::Form& mainWindow() override { return *window_; }

private:
    catia::Connection connection_;
    std::unique_ptr<ui::Form> window_;
};

}  // namespace qvl::apps
