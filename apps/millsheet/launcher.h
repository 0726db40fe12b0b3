#pragma once

#include <memory>

#include "apps/launcher.h"

namespace qvl::apps {

// Starts Millsheet on a machine: its connection module with Millsheet's policy, its main window
// (MainFrm3), shown through `Main`.
std::unique_ptr<ProgramInstance> launchMillsheet(Machine& machine);

// Millsheet's main window (MainFrm3) as its control table declares it, not yet loaded.
std::unique_ptr<ui::Form> makeMillsheetWindow(Machine& machine, catia::Connection& connection);

}  // namespace qvl::apps
