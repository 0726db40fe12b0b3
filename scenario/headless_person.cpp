#include "scenario/headless_person.h"

#include "common/automation/error.h"
#include "common/automation/run_time_error.h"
#include "headless/script_fault.h"
#include "scenario/control_dump.h"

namespace qvl::scenario {

using platform::Json;
using platform::ScriptFault;

HeadlessPerson::HeadlessPerson(platform::VirtualDisk& disk, platform::Transcript& transcript,
                               sim::CatiaMachine& catia)
    : services_(disk, transcript), catia_(catia), windows_(services_) {
    catia_.setClock([this] { return services_.clock(); });
}

HeadlessPerson::~HeadlessPerson() = default;

void HeadlessPerson::start(const std::string& program, const std::string& programFolder) {
    programName_ = program;
    Machine machine{services_, catia_.factory(), windows_, catia_.windowMessages(), programFolder};
    runHandler([&] { instance_ = programLaunchers().at(programName_).launch(machine); });
}

ui::Control& HeadlessPerson::control(const std::string& name) {
    if (!instance_) throw ScriptFault("the program is not running");
    ui::Control* found = instance_->mainWindow().find(name);
    if (!found) throw ScriptFault("unknown control: " + name);
    return *found;
}

void HeadlessPerson::set(const std::string& name, const std::string& text) {
    ui::Control& c = control(name);
    if (!c.hasText()) throw ScriptFault(name + " is no text box or combo box");
    c.setText(text);
}

void HeadlessPerson::check(const std::string& name, int value) {
    ui::Control& c = control(name);
    if (c.kind() != ui::ControlKind::CheckBox) throw ScriptFault(name + " is no check box");
    runHandler([&] { c.setValue(value); });
}

void HeadlessPerson::choose(const std::string& name) {
    ui::Control& c = control(name);
    if (c.kind() != ui::ControlKind::Option) throw ScriptFault(name + " is no option button");
    runHandler([&] { c.setValue(1); });
}

void HeadlessPerson::select(const std::string& name, const std::vector<int>& lines) {
    ui::Control& c = control(name);
    if (c.kind() != ui::ControlKind::ListBox) throw ScriptFault(name + " is no list box");
    for (int line : lines) {
        if (line < 0 || line >= c.listCount()) throw ScriptFault("no line " + std::to_string(line) + " in " + name);
    }
    for (int i = 0; i < c.listCount(); ++i) c.setSelected(i, false);
    for (int line : lines) c.setSelected(line, true);
}

void HeadlessPerson::click(const std::string& name) {
    ui::Control& c = control(name);
    // A disabled control does not react to the mouse.
    if (c.enabled()) runHandler([&] { c.click(); });
}

void HeadlessPerson::dblclick(const std::string& name) {
    ui::Control& c = control(name);
    if (c.enabled()) runHandler([&] { c.dblClick(); });
}

Json HeadlessPerson::dumpControl(const std::string& name) { return scenario::dumpControl(control(name)); }

std::vector<Json> HeadlessPerson::dumpWindow() {
    if (!instance_) throw ScriptFault("the program is not running");
    ui::Form& form = instance_->mainWindow();
    std::vector<Json> events;
    for (const auto& c : form.controls()) events.push_back(scenario::dumpControl(*c));
    events.push_back(scenario::dumpWindow(form, services_.isTopMost(form.hWnd())));
    return events;
}

void HeadlessPerson::runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const automation::Error& e) {
        // An error that reached the window's event loop: the run-time error box of the program.
        const std::string& programTitle = programLaunchers().at(programName_).title;
        services_.messageBox(automation::runTimeErrorText(e), programTitle, automation::runTimeErrorStyle);
    }
}

}  // namespace qvl::scenario
