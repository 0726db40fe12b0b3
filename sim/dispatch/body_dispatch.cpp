#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class BodyDispatch : public SimDispatch {
public:
    BodyDispatch(Server& server, Document& partDocument, Body& target)
        : SimDispatch("Body", server, partDocument.shared_from_this()), body_(target) {
        property("Name", [this](Args) { return Variant(body_.name); });
        property("Parent", [this](Args) { return Variant(bodies(this->server(), *owner())); });
    }

    std::optional<Element> element() const override { return Element{owner(), &body_}; }

private:
    Body& body_;
};

}  // namespace

Object body(Server& server, Document& partDocument, Body& body) {
    return server.object(&body, "Body", [&] { return std::make_shared<BodyDispatch>(server, partDocument, body); });
}

}  // namespace qvl::sim::objects
