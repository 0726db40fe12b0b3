#pragma once

#include <optional>
#include <string>
#include <vector>

#include "headless/headless_services.h"
#include "headless/transcript.h"

namespace qvl::scenario {

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

    // The program: started with its folder, closed by its window.
    virtual void start(const std::string& program, const std::string& programFolder) = 0;
    virtual void close() = 0;
    virtual bool isRunning() const = 0;

    // The person's actions on the controls named by the program's control table.
    virtual void set(const std::string& control, const std::string& text) = 0;
    virtual void check(const std::string& control, int value) = 0;
    virtual void choose(const std::string& control) = 0;
    virtual void select(const std::string& control, const std::vector<int>& lines) = 0;
    virtual void click(const std::string& control) = 0;
    virtual void dblclick(const std::string& control) = 0;

    // {"event":"control",...} of one control.
    virtual platform::Json dumpControl(const std::string& control) = 0;
    // One control event per control in tab order, then the window event.
    virtual std::vector<platform::Json> dumpWindow() = 0;
};

}  // namespace qvl::scenario
