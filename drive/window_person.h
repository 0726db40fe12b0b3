#pragma once

#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drive/control_table.h"
#include "drive/program_process.h"
#include "drive/screenshots.h"
#include "headless/transcript.h"
#include "scenario/person.h"
#include "scenario/script.h"

namespace qvl::drive {

// A step of a scenario that a person cannot take on a real machine (choosing files that do not
// exist in the open-file dialog): the run ends there, and what the scenario shows from there on
// cannot be observed.
class NotPlayable : public scenario::ScriptError {
public:
    explicit NotPlayable(const std::string& reason) : ScriptError(0, reason) {}
};

// The person at a program's real window, in another process: starts the program's executable
// from the program folder, acts on the controls found by the ids of the program's control
// table, reads and answers every dialog the program opens from the queued answers, and reports
// what a person sees (messages, questions, the controls and the window) as transcript events.
// What a person cannot set on a real machine (the date, chance, the screen's size) is noted as
// not observable, with the kinds of events it may change.
class WindowPerson : public scenario::Person {
public:
    // Tells the fault of the scenario that the program's last calls met in CATIA, if any.
    using FaultCheck = std::function<std::string()>;
    // Has the simulated CATIA post a person's action to the program's window while a call is
    // under way (see sim/com_server/person_action_post.h).
    using ActionPoster = std::function<void(const scenario::PlannedCall& call, const platform::Json& post)>;

    // `programs` is the folder of the programs' executables; pictures go to `screenshots`.
    WindowPerson(platform::Transcript& transcript, std::filesystem::path programs, Screenshots& screenshots,
                 FaultCheck catiaFault, ActionPoster postAction);
    ~WindowPerson() override;

    void setToday(std::string text) override;
    void setFixedRandom(double value) override;
    void setScreenWidthPixels(int pixels) override;

    void queueInput(std::optional<std::string> answer) override { inputs_.push_back(std::move(answer)); }
    void queueFolder(FolderAnswer answer) override { folders_.push_back(std::move(answer)); }
    void queueFiles(std::optional<std::vector<std::string>> answer) override { files_.push_back(std::move(answer)); }
    void queueMessageAnswer(platform::MessageAnswer answer) override { messageAnswers_.push_back(answer); }

    void start(const std::string& program, const std::string& programFolder, const std::string& commandLine) override;
    void close() override;
    bool isRunning() const override;

    void set(const std::string& control, const std::string& text) override;
    void check(const std::string& control, int value) override;
    void choose(const std::string& control) override;
    void select(const std::string& control, const std::vector<int>& lines) override;
    void click(const std::string& control) override;
    void dblclick(const std::string& control) override;
    // Planned before the program's window exists, an action is posted once it is started.
    void during(const scenario::PlannedCall& call, const scenario::PersonAction& action) override;

    platform::Json dumpControl(const std::string& control) override;
    std::vector<platform::Json> dumpWindow() override;

    // Event kinds that this run cannot show as the headless machine would, with the reason.
    const std::map<std::string, std::string>& unobservable() const noexcept { return unobservable_; }
    // The program's executable as the run placed it (a file in the program folder).
    const std::filesystem::path& placedExecutable() const noexcept { return executable_; }

private:
    const TableControl& control(const std::string& name, std::initializer_list<ui::ControlKind> kinds,
                                const char* kindText) const;
    HWND windowOf(const TableControl& control) const;
    // Sends messages to the program from a second thread (a handler may open dialogs before the
    // send returns) while this one answers the dialogs, until the program is at rest again.
    void act(const std::function<void()>& send);
    // Answers dialogs until `done` holds and the program's window takes input again (or the
    // program has ended).
    void settle(const std::function<bool()>& done);
    void answer(HWND dialog);
    // A fault of the scenario met in CATIA stops the run before the program shows anything more.
    void stopOnScriptFault() const;
    void notify(const TableControl& control, WORD notification);
    // Notes the date-bearing events as not observable when the machine's date is not the
    // scenario's.
    void checkMachineDate();
    void noteUnobservable(std::initializer_list<const char*> events, const std::string& reason);
    void postAction(const scenario::PlannedCall& call, const scenario::PersonAction& action);
    // Answers the message boxes of a program that runs without its window until it ends, and
    // tells its exit status.
    void awaitExit();

    platform::Transcript& transcript_;
    std::filesystem::path programs_;
    Screenshots& screenshots_;
    FaultCheck catiaFault_;
    ActionPoster postAction_;
    std::vector<std::pair<scenario::PlannedCall, scenario::PersonAction>> unpostedActions_;
    std::optional<ControlTable> table_;
    std::unique_ptr<ProgramProcess> process_;
    std::filesystem::path executable_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<FolderAnswer> folders_;
    std::deque<std::optional<std::vector<std::string>>> files_;
    std::deque<platform::MessageAnswer> messageAnswers_;
    std::map<std::string, std::string> unobservable_;
    // The date the program's machine shows, as the headless machine's default.
    std::string today_ = "2026/12/7";
};

}  // namespace qvl::drive
