#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "headless/headless_services.h"
#include "headless/headless_window_system.h"
#include "scenario/person.h"
#include "scenario/programs.h"
#include "sim/catia_machine.h"

namespace qvl::scenario {

// The person at a program that runs in this process on the headless machine: the program's
// window is its form model, its dialogs are answered by the headless services.
class HeadlessPerson : public Person {
public:
    HeadlessPerson(platform::VirtualDisk& disk, platform::Transcript& transcript, sim::CatiaMachine& catia);
    ~HeadlessPerson() override;

    void setToday(std::string text) override { services_.setToday(std::move(text)); }
    void setFixedRandom(double value) override { services_.setFixedRandom(value); }
    void setScreenWidthPixels(int pixels) override { services_.setScreenWidthPixels(pixels); }

    void queueInput(std::optional<std::string> answer) override { services_.queueInput(std::move(answer)); }
    void queueFolder(FolderAnswer answer) override { services_.queueFolder(std::move(answer)); }
    void queueFiles(std::optional<std::vector<std::string>> answer) override {
        services_.queueFiles(std::move(answer));
    }
    void queueMessageAnswer(platform::MessageAnswer answer) override { services_.queueMessageAnswer(answer); }

    void start(const std::string& program, const std::string& programFolder, const std::string& commandLine) override;
    void close() override { instance_.reset(); }
    bool isRunning() const override { return instance_ != nullptr; }

    void set(const std::string& control, const std::string& text) override;
    void check(const std::string& control, int value) override;
    void choose(const std::string& control) override;
    void select(const std::string& control, const std::vector<int>& lines) override;
    void click(const std::string& control) override;
    void dblclick(const std::string& control) override;
    void during(const PlannedCall& call, const PersonAction& action) override;

    platform::Json dumpControl(const std::string& control) override;
    std::vector<platform::Json> dumpWindow() override;

private:
    ui::Control& control(const std::string& name);
    // Runs a handler of the program; an error that no handler trapped is shown as the
    // run-time error message the program would show. When the outermost handler has ended, the
    // window system does what is waiting: the person's actions made meanwhile, closing the
    // window that the program unloaded.
    void runHandler(const std::function<void()>& handler);
    // The person's planned actions whose calls have been made, carried out in order.
    void carryOutDueActions();
    void perform(const PersonAction& action);

    platform::HeadlessServices services_;
    platform::Transcript& transcript_;
    sim::CatiaMachine& catia_;
    ui::HeadlessWindowSystem windows_;
    std::string programName_;
    std::unique_ptr<ProgramInstance> instance_;
    std::map<int, PersonAction> plannedActions_;
    int lastAction_ = 0;
    int handlerDepth_ = 0;
};

}  // namespace qvl::scenario
