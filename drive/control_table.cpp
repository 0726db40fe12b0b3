#include "drive/control_table.h"

#include <filesystem>

#include "common/automation/error.h"
#include "common/catia/connection.h"
#include "common/winmsg/window_messages.h"
#include "headless/headless_services.h"
#include "headless/headless_window_system.h"
#include "headless/script_fault.h"
#include "headless/virtual_disk.h"
#include "scenario/programs.h"

namespace qvl::drive {

namespace {

// The form is only made, never loaded: nothing asks for CATIA or another window.
class NoAutomation : public automation::ObjectFactory {
public:
    automation::Object getActiveObject(std::string_view) override { throw automation::Error(429, "none"); }
    automation::Object createObject(std::string_view) override { throw automation::Error(429, "none"); }
};

class NoWindows : public winmsg::WindowMessages {
public:
    winmsg::WindowHandle findWindow(const std::optional<std::string>&, const std::optional<std::string>&) override {
        return 0;
    }
    winmsg::WindowHandle findWindowEx(winmsg::WindowHandle, winmsg::WindowHandle, const std::optional<std::string>&,
                                      const std::optional<std::string>&) override {
        return 0;
    }
    winmsg::LResult sendMessage(winmsg::WindowHandle, winmsg::MessageId, winmsg::WParam, winmsg::LParam) override {
        return 0;
    }
    winmsg::LResult sendTextMessage(winmsg::WindowHandle, winmsg::MessageId, winmsg::WParam, std::string&) override {
        return 0;
    }
    winmsg::LResult sendRectMessage(winmsg::WindowHandle, winmsg::MessageId, winmsg::WParam, winmsg::Rect&) override {
        return 0;
    }
};

}  // namespace

ControlTable::ControlTable(const std::string& program) {
    const auto& entry = scenario::programLaunchers().at(program);
    platform::VirtualDisk disk(std::filesystem::temp_directory_path());
    platform::Transcript transcript;
    platform::HeadlessServices services(disk, transcript);
    ui::HeadlessWindowSystem windows(services);
    NoAutomation automation;
    NoWindows windowMessages;
    apps::Machine machine{services, automation, windows, windowMessages, "C:\\QVL"};
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
