#include "apps/planwright/launcher.h"

#include "planwright/connection_policy.h"
#include "planwright/main_frm.h"

namespace qvl::apps {

std::unique_ptr<ui::Form> makePlanwrightWindow(Machine& machine, catia::Connection& connection) {
    return std::make_unique<planwright::MainFrm>(connection, machine.services, machine.programFolder);
}

std::unique_ptr<ProgramInstance> launchPlanwright(Machine& machine) {
    return std::make_unique<RunningProgram>(machine, planwright::connectionPolicy(), [&](catia::Connection& connection) {
        return makePlanwrightWindow(machine, connection);
    });
}

}  // namespace qvl::apps
