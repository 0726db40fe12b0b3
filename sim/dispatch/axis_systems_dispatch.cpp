#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class AxisSystemsDispatch : public SimDispatch {
public:
    AxisSystemsDispatch(Server& server, Document& partDocument)
        : SimDispatch("AxisSystems", server, partDocument.shared_from_this()) {
        property("Count", [this](Args) { return countOf(list().size()); });
        method("Item", [this](Args args) {
            auto& items = list();
            std::size_t i = itemPosition(
                items.size(), automation::argument(args, 0),
                [&](std::size_t at, const std::string& name) { return items[at]->name == name; }, "AxisSystems");
            return Variant(axisSystem(this->server(), *owner(), *items[i]));
        });
        property("Parent", [this](Args) { return Variant(part(this->server(), *owner())); });
    }

private:
    std::vector<std::unique_ptr<AxisSystem>>& list() const { return owner()->part().axisSystems; }
};

}  // namespace

Object axisSystems(Server& server, Document& partDocument) {
    return server.object(&partDocument.part().axisSystems, "AxisSystems",
                         [&] { return std::make_shared<AxisSystemsDispatch>(server, partDocument); });
}

}  // namespace qvl::sim::objects
