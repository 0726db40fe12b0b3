#include "sim/dispatch/fault_plan.h"

#include "common/text/utf8.h"

namespace qvl::sim {

void FaultPlan::failCall(std::string typeName, std::string member, int n) {
    planned_.push_back({std::move(typeName), std::move(member), n});
}

bool FaultPlan::countCall(std::string_view typeName, std::string_view member) {
    if (observer_) observer_(typeName, member);
    bool fails = false;
    for (auto it = planned_.begin(); it != planned_.end();) {
        // Type names compare exactly, member names without regard to letter case.
        if (it->typeName == typeName && text::compareTextIgnoreCase(it->member, member) == 0 && --it->callsLeft == 0) {
            fails = true;
            it = planned_.erase(it);
        } else {
            ++it;
        }
    }
    return fails;
}

}  // namespace qvl::sim
