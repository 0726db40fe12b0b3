#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "apps/launcher.h"

namespace qvl::scenario {

using apps::Machine;
using apps::ProgramInstance;

// A program that a scenario can run: its launcher; its title, which captions the run-time error
// box of an error that reaches its window's event loop; its main window as declared (which
// controls it has, of which kind and id) and the connection policy that window is made with.
struct ProgramEntry {
    apps::Launcher launch;
    std::string title;
    std::function<std::unique_ptr<ui::Form>(Machine&, catia::Connection&)> makeWindow;
    catia::ConnectionPolicy (*policy)();
    // The program's executable in the Windows build.
    std::string executable;
};

// The programs that a scenario can run, by the name that `program` gives.
const std::map<std::string, ProgramEntry>& programLaunchers();

}  // namespace qvl::scenario
