#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::sim {

// Injected faults: the n-th call, counted from the time the fault is planned, of a member on an
// object of a type name fails. Several faults may be planned at once; each counts on its own.
class FaultPlan {
public:
    // `n` counts from 1 (the next call).
    void failCall(std::string typeName, std::string member, int n);
    // Counts a call; true when it is one that must fail.
    bool countCall(std::string_view typeName, std::string_view member);
    // Every call counted from now on is also told to `observer` (none: calls are only counted).
    using CallObserver = std::function<void(std::string_view typeName, std::string_view member)>;
    void observeCalls(CallObserver observer) { observer_ = std::move(observer); }

private:
    struct Planned {
        std::string typeName;
        std::string member;
        int callsLeft;
    };
    std::vector<Planned> planned_;
    CallObserver observer_;
};

}  // namespace qvl::sim
