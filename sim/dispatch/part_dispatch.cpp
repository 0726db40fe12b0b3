#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// The part of a part document; named by the document's part number.
class PartDispatch : public SimDispatch {
public:
    PartDispatch(Server& server, Document& partDocument)
        : SimDispatch("Part", server, partDocument.shared_from_this()) {
        property("Name", [this](Args) { return Variant(owner()->product().name()); });
        property("Bodies", [this](Args) { return Variant(bodies(this->server(), *owner())); });
        property("AxisSystems", [this](Args) { return Variant(axisSystems(this->server(), *owner())); });
        property("Parent", [this](Args) { return Variant(document(this->server(), owner())); });
    }

    std::optional<Element> element() const override { return Element{owner(), &owner()->part()}; }
};

}  // namespace

Object part(Server& server, Document& partDocument) {
    Part& target = partDocument.part();
    return server.object(&target, "Part", [&] { return std::make_shared<PartDispatch>(server, partDocument); });
}

}  // namespace qvl::sim::objects
