#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "common/automation/object_factory.h"
#include "common/platform/services.h"
#include "common/ui/form.h"
#include "common/ui/window_system.h"
#include "common/winmsg/window_messages.h"

namespace qvl::scenario {

// What a program gets from the machine it runs on.
struct Machine {
    platform::Services& services;
    automation::ObjectFactory& automation;
    ui::WindowSystem& windows;
    winmsg::WindowMessages& windowMessages;
    std::string programFolder;
};

// One running instance of a program: its main window, and whatever it keeps program-wide.
class ProgramInstance {
public:
    virtual ~ProgramInstance() = default;
    virtual ui::Form& mainWindow() = 0;
};

// Starts a program: creates its instance and runs its start-up routine.
using ProgramLauncher = std::function<std::unique_ptr<ProgramInstance>(Machine&)>;

// The programs that a scenario can run, by the name that `program` gives.
const std::map<std::string, ProgramLauncher>& programLaunchers();

}  // namespace qvl::scenario
