#include "common/catia/connection.h"
#include "common/catia/window_placement.h"
#include "orderloom/main_form.h"
#include "planwright/main_frm.h"
#include "scenario/program_host.h"

namespace qvl::scenario {
namespace {

// Planwright: the connection module and the main window, started by `Main`.
class Planwright : public ProgramInstance {
public:
    explicit Planwright(Machine& machine)
        : connection_(catia::Program::Planwright, machine.automation, machine.services),
          window_(connection_, machine.services, machine.programFolder) {
        catia::Main(window_, machine.windows);
    }
    ui::Form& mainWindow() override { return window_; }

private:
    catia::Connection connection_;
    planwright::MainFrm window_;
};

// Orderloom: the connection module and the palette window, which drives CATIA's dialogs
// through window messages.
class Orderloom : public ProgramInstance {
public:
    explicit Orderloom(Machine& machine)
        : connection_(catia::Program::Orderloom, machine.automation, machine.services),
          window_(connection_, machine.services, machine.windowMessages) {
        catia::Main(window_, machine.windows);
    }
    ui::Form& mainWindow() override { return window_; }

private:
    catia::Connection connection_;
    orderloom::MainForm window_;
};

template <class Program>
ProgramLauncher launcher() {
    return [](Machine& machine) -> std::unique_ptr<ProgramInstance> { return std::make_unique<Program>(machine); };
}

}  // namespace

const std::map<std::string, ProgramLauncher>& programLaunchers() {
    static const std::map<std::string, ProgramLauncher> launchers{
        {"planwright", launcher<Planwright>()},
        {"orderloom", launcher<Orderloom>()},
    };
    return launchers;
}

}  // namespace qvl::scenario
