#include "scenario/headless_person.h"

#include "common/automation/error.h"
#include "common/automation/run_time_error.h"
#include "headless/command_line.h"
#include "headless/script_fault.h"
#include "scenario/control_dump.h"

namespace qvl::scenario {

using platform::Json;
using platform::ScriptFault;

HeadlessPerson::HeadlessPerson(platform::VirtualDisk& disk, platform::Transcript& transcript,
                               sim::CatiaMachine& catia)
    : services_(disk, transcript), transcript_(transcript), catia_(catia), windows_(services_) {
    catia_.setClock([this] { return services_.clock(); });
    // The person's actions reach the program whenever it processes its window messages.
    services_.setIdleHook([this] { carryOutDueActions(); });
}

HeadlessPerson::~HeadlessPerson() = default;

void HeadlessPerson::start(const std::string& program, const std::string& programFolder,
                           const std::string& commandLine) {
    programName_ = program;
    // A program is started in its own folder, as from its icon.
    Machine machine{services_, catia_.factory(), windows_, catia_.windowMessages(), programFolder,
                    platform::splitCommandLine(commandLine), programFolder};
    runHandler([&] { instance_ = programLaunchers().at(programName_).launch(machine); });
    if (instance_ && instance_->exitStatus()) {
        Json e = platform::Transcript::event("exit");
        e["status"] = *instance_->exitStatus();
        transcript_.record(std::move(e));
        instance_.reset();
    }
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

void HeadlessPerson::during(const PlannedCall& call, const PersonAction& action) {
    // A control the program's window does not have is a fault of the script, told at once.
    if (action.kind == PersonAction::Kind::Click && instance_) control(action.control);
    plannedActions_.emplace(++lastAction_, action);
    catia_.actDuring(call.typeName, call.member, call.n, lastAction_);
}

void HeadlessPerson::carryOutDueActions() {
    // Without a window (the program is still being made, or has ended) nothing is taken.
    if (plannedActions_.empty() || !instance_) return;
    for (int id : catia_.takeDueActions()) {
        auto planned = plannedActions_.find(id);
        if (planned == plannedActions_.end()) continue;
        PersonAction action = planned->second;
        plannedActions_.erase(planned);
        perform(action);
    }
}

void HeadlessPerson::perform(const PersonAction& action) {
    if (action.kind == PersonAction::Kind::Click) {
        click(action.control);
        return;
    }
    ui::Form& form = instance_->mainWindow();
    runHandler([&] {
        if (form.Form_QueryUnload()) form.unload();
    });
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
    ++handlerDepth_;
    try {
        handler();
    } catch (const automation::Error& e) {
        // An error that reached the window's event loop: the run-time error box of the program.
        const std::string& programTitle = programLaunchers().at(programName_).title;
        services_.messageBox(automation::runTimeErrorText(e), programTitle, automation::runTimeErrorStyle);
    } catch (...) {
        --handlerDepth_;
        throw;
    }
    if (--handlerDepth_ > 0) return;
    carryOutDueActions();
    if (instance_ && instance_->mainWindow().unloadRequested()) instance_.reset();
}

}  // namespace qvl::scenario
