#include "drive/control_table.h"

#include <filesystem>

#include "common/catia/connection.h"
#include "headless/headless_services.h"
#include "headless/headless_window_system.h"
#include "headless/no_catia_factory.h"
#include "headless/no_window_messages.h"
#include "headless/script_fault.h"
#include "headless/virtual_disk.h"
#include "scenario/programs.h"

namespace qvl::drive {

ControlTable::ControlTable(const std::string& program) {
    const auto& entry = scenario::programLaunchers().at(program);
    platform::VirtualDisk disk(std::filesystem::temp_directory_path());
    platform::Transcript transcript;
    platform::HeadlessServices services(disk, transcript);
    ui::HeadlessWindowSystem windows(services);
    // The form is only made, never loaded: nothing asks for CATIA or another window.
    automation::NoCatiaFactory automation;
    winmsg::NoWindowMessages windowMessages;
    apps::Machine machine{services, automation, windows, windowMessages, "C:\\QVL", {}, "C:\\QVL"};
    catia::Connection connection(entry.policy(), automation, services);
    std::unique_ptr<ui::Form> form = entry.makeWindow(machine, connection);
    for (const auto& control : form->controls()) {
        controls_.push_back({control->name(), control->kind(), control->id(), control->style()});
    }
}

const TableControl& ControlTable::find(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control.name == name) return control;
    }
    throw platform::ScriptFault("unknown control: " + name);
}

}  // namespace qvl::drive
