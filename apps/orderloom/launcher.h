#pragma once

#include <memory>

#include "apps/launcher.h"

namespace qvl::apps {

// Starts Orderloom on a machine: its connection module with Orderloom's policy, its main window
// (MainForm), shown through `Main`.
std::unique_ptr<ProgramInstance> launchOrderloom(Machine& machine);

// Orderloom's main window (MainForm) as its control table declares it, not yet loaded.
std::unique_ptr<ui::Form> makeOrderloomWindow(Machine& machine, catia::Connection& connection);

}  // namespace qvl::apps
