#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/automation/member_table.h"
#include "sim/dispatch/server.h"
#include "sim/model/element.h"
#include "sim/reference/catia_reference.h"

namespace qvl::sim {

// The automation object of one simulated CATIA object: its members by name, over the model.
//
// Its type name and every member it serves are CATIA's, as CATIA's reference documents them
// (`reference::Reference::catia()`): a type, member or kind that the reference does not declare
// is a defect of the simulator and refused when the object is made (std::logic_error).
//
// Every call is refused as CATIA refuses it: a member that the type does not declare, a kind of
// call that the member's declaration does not take (a put of a read-only property, say) and a
// number of arguments outside the declaration fail as CATIA's dispatch fails them; so do calls
// on a CATIA that went away, on an object of a closed document, when a fault is planned for
// them, and when the model refuses the request.
class SimDispatch : public automation::MemberTable {
public:
    // `owner` is the document that the object belongs to; null for application-wide objects.
    SimDispatch(std::string typeName, Server& server, std::shared_ptr<Document> owner = nullptr);

    automation::Variant invoke(std::string_view member, automation::CallKind kind,
                               std::span<automation::Variant> args) override;

    // The model object behind this automation object, when it is one that can be selected.
    virtual std::optional<Element> element() const { return std::nullopt; }

protected:
    // Registration, held to the reference: a property is one the reference declares as a
    // property (a setter only where it is not read-only), a method one it declares as a Sub or
    // a Func.
    void property(std::string_view name, Getter getter, Setter setter = {});
    void method(std::string_view name, Method method);

    Server& server() const;
    Session& session() const { return server().session(); }
    const std::shared_ptr<Document>& owner() const noexcept { return owner_; }

private:
    const reference::Member& declared(std::string_view name) const;

    std::weak_ptr<Server> server_;
    std::shared_ptr<Document> owner_;
};

// The model object behind an automation object of the simulated CATIA; nullopt for any other
// object and for objects that cannot be selected.
std::optional<Element> elementOf(const automation::Object& object);

}  // namespace qvl::sim
