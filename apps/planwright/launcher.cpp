#include "apps/planwright/launcher.h"

#include "planwright/connection_policy.h"
#include "planwright/main_frm.h"
#include "planwright/unattended/unattended_batch.h"

namespace qvl::apps {
namespace {

// Planwright started with a command line: the batch runs at once, and the program ends with its
// exit status without showing its window.
class UnattendedPlanwright : public ProgramInstance {
public:
    explicit UnattendedPlanwright(Machine& machine)
        : batch_(machine.services, machine.automation, machine.programFolder, machine.arguments,
                 machine.currentFolder),
          status_(batch_.run()) {}

    ui::Form& mainWindow() override { return batch_.window(); }
    std::optional<int> exitStatus() const override { return status_; }

private:
    planwright::UnattendedBatch batch_;
    int status_;
};

}  // namespace

std::unique_ptr<ui::Form> makePlanwrightWindow(Machine& machine, catia::Connection& connection) {
    return std::make_unique<planwright::MainFrm>(connection, machine.services, machine.programFolder);
}

std::unique_ptr<ProgramInstance> launchPlanwright(Machine& machine) {
    if (!machine.arguments.empty()) return std::make_unique<UnattendedPlanwright>(machine);
    return std::make_unique<RunningProgram>(machine, planwright::connectionPolicy(), [&](catia::Connection& connection) {
        return makePlanwrightWindow(machine, connection);
    });
}

}  // namespace qvl::apps
