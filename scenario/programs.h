#pragma once

#include <map>
#include <string>

#include "apps/launcher.h"

namespace qvl::scenario {

using apps::Machine;
using apps::ProgramInstance;

// A program that a scenario can run: its launcher, and its title, which captions the run-time
// error box of an error that reaches its window's event loop.
struct ProgramEntry {
    apps::Launcher launch;
    std::string title;
};

// The programs that a scenario can run, by the name that `program` gives.
const std::map<std::string, ProgramEntry>& programLaunchers();

}  // namespace qvl::scenario
