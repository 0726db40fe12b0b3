#include "sim/dispatch/sim_dispatch.h"

#include <stdexcept>

#include "sim/dispatch/declared_call.h"
#include "sim/dispatch/server_errors.h"
#include "sim/model/refusal.h"

namespace qvl::sim {

using reference::MemberKind;

SimDispatch::SimDispatch(std::string typeName, Server& server, std::shared_ptr<Document> owner)
    : MemberTable(std::move(typeName)), server_(server.weak_from_this()), owner_(std::move(owner)) {
    if (!reference::Reference::catia().find(this->typeName())) {
        throw std::logic_error("CATIA's reference has no type " + this->typeName());
    }
}

const reference::Member& SimDispatch::declared(std::string_view name) const {
    const reference::Member* member = reference::Reference::catia().member(typeName(), name);
    if (!member) {
        throw std::logic_error("CATIA's reference declares no member " + std::string(name) + " on " + typeName());
    }
    return *member;
}

void SimDispatch::property(std::string_view name, Getter getter, Setter setter) {
    const reference::Member& member = declared(name);
    const std::string served = typeName() + "." + std::string(name);
    if (member.kind != MemberKind::Property) throw std::logic_error(served + " is no property in CATIA's reference");
    if (setter && member.readOnly) throw std::logic_error(served + " is read-only in CATIA's reference");
    if (getter && member.writeOnly) throw std::logic_error(served + " is write-only in CATIA's reference");
    MemberTable::property(name, std::move(getter), std::move(setter));
}

void SimDispatch::method(std::string_view name, Method method) {
    if (declared(name).kind == MemberKind::Property) {
        throw std::logic_error(typeName() + "." + std::string(name) + " is a property in CATIA's reference");
    }
    MemberTable::method(name, std::move(method));
}

Server& SimDispatch::server() const {
    auto server = server_.lock();
    if (!server || server->isGone()) throw serverUnavailable();
    // The facade owns the server for as long as CATIA exists; the lock only tells whether it does.
    return *server;
}

automation::Variant SimDispatch::invoke(std::string_view member, automation::CallKind kind,
                                        std::span<automation::Variant> args) {
    Server& catia = server();
    if (owner_ && owner_->isClosed()) throw objectDisconnected();
    checkDeclaredCall(reference::Reference::catia().member(typeName(), member), kind, args);
    if (!serves(member)) throw automation::memberNotSupportedError();
    if (const std::optional<PlannedEvent> planned = catia.faults().countCall(typeName(), member, kind, args.size())) {
        switch (planned->kind) {
            case PlannedEvent::Kind::Fail: throw memberFailed(member, typeName());
            case PlannedEvent::Kind::Crash: catia.crash(); throw serverUnavailable();
            case PlannedEvent::Kind::Busy:
                if (catia.rejectWhileBusy(planned->busySeconds)) {
                    // The client asks again once the spell is over; that is still this one call.
                    catia.faults().expectRepeat(typeName(), member);
                    throw serverBusy();
                }
                break;
            case PlannedEvent::Kind::PersonActs: break;  // due to the person; the call goes on
        }
    }
    try {
        return MemberTable::invoke(member, kind, args);
    } catch (const Refusal&) {
        throw memberFailed(member, typeName());
    }
}

std::optional<Element> elementOf(const automation::Object& object) {
    auto dispatch = std::dynamic_pointer_cast<SimDispatch>(object.dispatch());
    return dispatch ? dispatch->element() : std::nullopt;
}

}  // namespace qvl::sim
