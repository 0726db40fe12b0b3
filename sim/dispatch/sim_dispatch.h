#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/automation/member_table.h"
#include "sim/dispatch/server.h"
#include "sim/model/element.h"

namespace qvl::sim {

// The automation object of one simulated CATIA object: its members by name, over the model.
//
// Every call is refused as CATIA refuses it: on a CATIA that went away, on an object of a
// closed document, when a fault is planned for it, and when the model refuses the request.
class SimDispatch : public automation::MemberTable {
public:
    // `owner` is the document that the object belongs to; null for application-wide objects.
    SimDispatch(std::string typeName, Server& server, std::shared_ptr<Document> owner = nullptr);

    automation::Variant invoke(std::string_view member, automation::CallKind kind,
                               std::span<automation::Variant> args) override;

    // The model object behind this automation object, when it is one that can be selected.
    virtual std::optional<Element> element() const { return std::nullopt; }

protected:
    void beforeCall(std::string_view member) override;

    Server& server() const;
    Session& session() const { return server().session(); }
    const std::shared_ptr<Document>& owner() const noexcept { return owner_; }

private:
    std::weak_ptr<Server> server_;
    std::shared_ptr<Document> owner_;
};

// The model object behind an automation object of the simulated CATIA; nullopt for any other
// object and for objects that cannot be selected.
std::optional<Element> elementOf(const automation::Object& object);

}  // namespace qvl::sim
