#pragma once

#include <memory>

#include "apps/launcher.h"

namespace qvl::apps {

// Starts Planwright on a machine: its connection module with Planwright's policy, its main window
// (MainFrm), shown through `Main`.
std::unique_ptr<ProgramInstance> launchPlanwright(Machine& machine);

// Planwright's main window (MainFrm) as its control table declares it, not yet loaded.
std::unique_ptr<ui::Form> makePlanwrightWindow(Machine& machine, catia::Connection& connection);

}  // namespace qvl::apps
