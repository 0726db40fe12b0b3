#include "apps/millsheet/launcher.h"

#include "millsheet/connection_policy.h"
#include "millsheet/main_frm3.h"

namespace qvl::apps {

std::unique_ptr<ui::Form> makeMillsheetWindow(Machine& machine, catia::Connection& connection) {
    return std::make_unique<millsheet::MainFrm3>(connection, machine.services, machine.programFolder);
}

std::unique_ptr<ProgramInstance> launchMillsheet(Machine& machine) {
    return std::make_unique<RunningProgram>(machine, millsheet::connectionPolicy(), [&](catia::Connection& connection) {
        return makeMillsheetWindow(machine, connection);
    });
}

}  // namespace qvl::apps
