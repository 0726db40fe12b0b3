#include <memory>

#include "common/catia/connection.h"
#include "common/catia/window_placement.h"
#include "millsheet/main_frm3.h"
#include "orderloom/main_form.h"
#include "planwright/main_frm.h"
#include "scenario/program_host.h"

namespace qvl::scenario {
namespace {

// A running program: its own copy of the connection module and its main window, started by
// `Main` as the program's start-up does.
class RunningProgram : public ProgramInstance {
public:
    template <class MakeWindow>
    RunningProgram(Machine& machine, catia::Program program, MakeWindow makeWindow)
        : connection_(program, machine.automation, machine.services), window_(makeWindow(connection_)) {
        catia::Main(*window_, machine.windows);
    }
    ui::Form& mainWindow() override { return *window_; }

private:
    catia::Connection connection_;
    std::unique_ptr<ui::Form> window_;
};

std::unique_ptr<ProgramInstance> planwright(Machine& machine) {
    return std::make_unique<RunningProgram>(machine, catia::Program::Planwright, [&](catia::Connection& c) {
        return std::make_unique<planwright::MainFrm>(c, machine.services, machine.programFolder);
    });
}

std::unique_ptr<ProgramInstance> millsheet(Machine& machine) {
    return std::make_unique<RunningProgram>(machine, catia::Program::Millsheet, [&](catia::Connection& c) {
        return std::make_unique<millsheet::MainFrm3>(c, machine.services, machine.programFolder);
    });
}

std::unique_ptr<ProgramInstance> orderloom(Machine& machine) {
    return std::make_unique<RunningProgram>(machine, catia::Program::Orderloom, [&](catia::Connection& c) {
        return std::make_unique<orderloom::MainForm>(c, machine.services, machine.windowMessages);
    });
}

}  // namespace

const std::map<std::string, ProgramLauncher>& programLaunchers() {
    static const std::map<std::string, ProgramLauncher> launchers{
        {"planwright", planwright},
        {"millsheet", millsheet},
        {"orderloom", orderloom},
    };
    return launchers;
}

}  // namespace qvl::scenario
