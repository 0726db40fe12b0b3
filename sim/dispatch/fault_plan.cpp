#include "sim/dispatch/fault_plan.h"

#include "common/text/utf8.h"

namespace qvl::sim {
namespace {

// Type names compare exactly, member names without regard to letter case.
bool sameCall(std::string_view typeA, std::string_view memberA, std::string_view typeB, std::string_view memberB) {
    return typeA == typeB && text::compareTextIgnoreCase(memberA, memberB) == 0;
}

// A failure outranks a crash, a crash a busy spell.
int rank(PlannedEvent::Kind kind) {
    switch (kind) {
        case PlannedEvent::Kind::Fail: return 3;
        case PlannedEvent::Kind::Crash: return 2;
        case PlannedEvent::Kind::Busy: return 1;
        case PlannedEvent::Kind::PersonActs: return 0;
    }
    return 0;
}

}  // namespace

void FaultPlan::plan(std::string typeName, std::string member, int n, PlannedEvent event) {
    planned_.push_back({std::move(typeName), std::move(member), n, event});
}

void FaultPlan::failCall(std::string typeName, std::string member, int n) {
    plan(std::move(typeName), std::move(member), n, {PlannedEvent::Kind::Fail, 0});
}

void FaultPlan::crashAt(std::string typeName, std::string member, int n) {
    plan(std::move(typeName), std::move(member), n, {PlannedEvent::Kind::Crash, 0});
}

void FaultPlan::busyAt(std::string typeName, std::string member, double seconds, int n) {
    plan(std::move(typeName), std::move(member), n, {PlannedEvent::Kind::Busy, seconds});
}

void FaultPlan::actDuring(std::string typeName, std::string member, int n, int action) {
    plan(std::move(typeName), std::move(member), n, {PlannedEvent::Kind::PersonActs, 0, action});
}

void FaultPlan::expectRepeat(std::string_view typeName, std::string_view member) {
    repeat_.emplace(std::string(typeName), std::string(member));
}

std::optional<PlannedEvent> FaultPlan::countCall(std::string_view typeName, std::string_view member,
                                                automation::CallKind kind, std::size_t argumentCount) {
    if (repeat_) {
        const bool repeated = sameCall(repeat_->first, repeat_->second, typeName, member);
        repeat_.reset();
        if (repeated) return std::nullopt;
    }
    if (observer_) observer_(ObservedCall{typeName, member, kind, argumentCount});
    std::optional<PlannedEvent> met;
    for (auto it = planned_.begin(); it != planned_.end();) {
        if (sameCall(it->typeName, it->member, typeName, member) && --it->callsLeft == 0) {
            if (it->event.kind == PlannedEvent::Kind::PersonActs) {
                if (actionDue_) actionDue_(it->event.action);
                else due_.push_back(it->event.action);
            } else if (!met || rank(it->event.kind) > rank(met->kind)) {
                met = it->event;
            }
            it = planned_.erase(it);
        } else {
            ++it;
        }
    }
    return met;
}

}  // namespace qvl::sim
