#pragma once

#include <optional>
#include <string>
#include <vector>

#include "headless/headless_services.h"
#include "headless/transcript.h"

namespace qvl::scenario {

// A call of the program into CATIA, counted from now: the n-th call of `member` on an object of
// type name `typeName`.
struct PlannedCall {
    std::string typeName;
    std::string member;
    int n = 1;
};

// What the person does at the window while the program is busy.
struct PersonAction {
    enum class Kind { Click, Close };
    Kind kind = Kind::Click;
    std::string control;  // the control clicked
};

// The person at the program's window: starts and closes the program, acts on its controls,
// answers its dialogs from the answers queued for them, and tells what the window shows. A
// request the person cannot carry out (an unknown control, one of the wrong kind, a line that
// is not in the list) throws platform::ScriptFault.
class Person {
public:
    using FolderAnswer = platform::HeadlessServices::FolderAnswer;

    virtual ~Person() = default;

    // The machine the program runs on.
    virtual void setToday(std::string text) = 0;
    virtual void setFixedRandom(double value) = 0;
    virtual void setScreenWidthPixels(int pixels) = 0;

    // Answers for the program's next dialogs, in order.
    virtual void queueInput(std::optional<std::string> answer) = 0;
    virtual void queueFolder(FolderAnswer answer) = 0;
    virtual void queueFiles(std::optional<std::vector<std::string>> answer) = 0;
    // The answer to the next message box that offers more than an OK button.
    virtual void queueMessageAnswer(platform::MessageAnswer answer) = 0;

    // The program: started from its folder with its command line (its arguments; empty for a
    // start by the icon), closed by its window. A program that ends by itself (an unattended
    // run) tells its exit status as an "exit" event.
    virtual void start(const std::string& program, const std::string& programFolder,
                       const std::string& commandLine) = 0;
    virtual void close() = 0;
    virtual bool isRunning() const = 0;

    // The person's actions on the controls named by the program's control table.
    virtual void set(const std::string& control, const std::string& text) = 0;
    virtual void check(const std::string& control, int value) = 0;
    virtual void choose(const std::string& control) = 0;
    virtual void select(const std::string& control, const std::vector<int>& lines) = 0;
    virtual void click(const std::string& control) = 0;
    virtual void dblclick(const std::string& control) = 0;
    // The person does `action` while the planned call is under way; the program meets it when it
    // next processes its window messages.
    virtual void during(const PlannedCall& call, const PersonAction& action) = 0;

    // {"event":"control",...} of one control.
    virtual platform::Json dumpControl(const std::string& control) = 0;
    // One control event per control in tab order, then the window event.
    virtual std::vector<platform::Json> dumpWindow() = 0;
};

}  // namespace qvl::scenario
