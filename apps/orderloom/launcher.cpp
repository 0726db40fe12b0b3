#include "apps/orderloom/launcher.h"

#include "orderloom/connection_policy.h"
#include "orderloom/main_form.h"

namespace qvl::apps {

std::unique_ptr<ui::Form> makeOrderloomWindow(Machine& machine, catia::Connection& connection) {
    return std::make_unique<orderloom::MainForm>(connection, machine.services, machine.windowMessages);
}

std::unique_ptr<ProgramInstance> launchOrderloom(Machine& machine) {
    return std::make_unique<RunningProgram>(machine, orderloom::connectionPolicy(), [&](catia::Connection& connection) {
        return makeOrderloomWindow(machine, connection);
    });
}

}  // namespace qvl::apps
