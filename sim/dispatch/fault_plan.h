#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/automation/dispatch.h"

namespace qvl::sim {

// One call that CATIA received: the type name of the object, the member, how the client asked
// for it and how many arguments it passed (a put's value counted).
struct ObservedCall {
    std::string_view typeName;
    std::string_view member;
    automation::CallKind kind;
    std::size_t argumentCount;
};

// What happens at a planned call: it fails; CATIA's process ends during it; CATIA is busy for
// a while from it on; or the person does something at the program's window meanwhile.
struct PlannedEvent {
    enum class Kind { Fail, Crash, Busy, PersonActs };
    Kind kind = Kind::Fail;
    double busySeconds = 0;
    int action = 0;
};

// Injected faults: the n-th call, counted from the time the fault is planned, of a member on an
// object of a type name fails, ends CATIA or finds CATIA busy. Several may be planned at once;
// each counts on its own.
class FaultPlan {
public:
    // `n` counts from 1 (the next call).
    void failCall(std::string typeName, std::string member, int n);
    void crashAt(std::string typeName, std::string member, int n);
    void busyAt(std::string typeName, std::string member, double seconds, int n);
    // The person's action number `action` happens while the n-th call is under way. It does
    // not change the call: it becomes due, for whoever plays the person to carry out.
    void actDuring(std::string typeName, std::string member, int n, int action);

    // Counts a call; what it meets, when it is a planned one (a failure wins over the others).
    // The person's actions planned for it become due besides.
    std::optional<PlannedEvent> countCall(std::string_view typeName, std::string_view member,
                                          automation::CallKind kind, std::size_t argumentCount);
    // The actions that became due since the last time, in the order of their calls. When a
    // handler is set, each is handed to it as it becomes due instead.
    std::vector<int> takeDueActions() { return std::exchange(due_, {}); }
    void onActionDue(std::function<void(int action)> handler) { actionDue_ = std::move(handler); }
    // The next call of this member on this type repeats the one just counted (a client asking
    // again after a busy answer): it is not counted again.
    void expectRepeat(std::string_view typeName, std::string_view member);

    // Every call counted from now on is also told to `observer` (none: calls are only counted).
    using CallObserver = std::function<void(const ObservedCall& call)>;
    void observeCalls(CallObserver observer) { observer_ = std::move(observer); }

private:
    struct Planned {
        std::string typeName;
        std::string member;
        int callsLeft;
        PlannedEvent event;
    };
    void plan(std::string typeName, std::string member, int n, PlannedEvent event);

    std::vector<Planned> planned_;
    std::vector<int> due_;
    std::function<void(int)> actionDue_;
    std::optional<std::pair<std::string, std::string>> repeat_;
    CallObserver observer_;
};

}  // namespace qvl::sim
