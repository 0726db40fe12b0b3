#include "sim/dispatch/sim_dispatch.h"

#include "sim/dispatch/server_errors.h"
#include "sim/model/refusal.h"

namespace qvl::sim {

SimDispatch::SimDispatch(std::string typeName, Server& server, std::shared_ptr<Document> owner)
    : MemberTable(std::move(typeName)), server_(server.weak_from_this()), owner_(std::move(owner)) {}

Server& SimDispatch::server() const {
    auto server = server_.lock();
    if (!server || server->isGone()) throw serverUnavailable();
    // The facade owns the server for as long as CATIA exists; the lock only tells whether it does.
    return *server;
}

automation::Variant SimDispatch::invoke(std::string_view member, automation::CallKind kind,
                                        std::span<automation::Variant> args) {
    server();
    if (owner_ && owner_->isClosed()) throw objectDisconnected();
    try {
        return MemberTable::invoke(member, kind, args);
    } catch (const Refusal&) {
        throw memberFailed(member, typeName());
    }
}

void SimDispatch::beforeCall(std::string_view member) {
    Server& catia = server();
    const std::optional<PlannedEvent> planned = catia.faults().countCall(typeName(), member);
    if (!planned) return;
    switch (planned->kind) {
        case PlannedEvent::Kind::Fail: throw memberFailed(member, typeName());
        case PlannedEvent::Kind::Crash: catia.crash(); throw serverUnavailable();
        case PlannedEvent::Kind::Busy:
            if (catia.rejectWhileBusy(planned->busySeconds)) {
                // The client asks again once the spell is over; that is still this one call.
                catia.faults().expectRepeat(typeName(), member);
                throw serverBusy();
            }
            return;
        case PlannedEvent::Kind::PersonActs: return;
    }
}

std::optional<Element> elementOf(const automation::Object& object) {
    auto dispatch = std::dynamic_pointer_cast<SimDispatch>(object.dispatch());
    return dispatch ? dispatch->element() : std::nullopt;
}

}  // namespace qvl::sim
