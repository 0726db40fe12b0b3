#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class BodiesDispatch : public SimDispatch {
public:
    BodiesDispatch(Server& server, Document& partDocument)
        : SimDispatch("Bodies", server, partDocument.shared_from_this()) {
        property("Count", [this](Args) { return countOf(list().size()); });
        method("Item", [this](Args args) {
            auto& items = list();
            std::size_t i = itemPosition(
                items.size(), automation::argument(args, 0),
                [&](std::size_t at, const std::string& name) { return items[at]->name == name; }, "Bodies");
            return Variant(body(this->server(), *owner(), *items[i]));
        });
        property("Parent", [this](Args) { return Variant(part(this->server(), *owner())); });
    }

private:
    std::vector<std::unique_ptr<Body>>& list() const { return owner()->part().bodies; }
};

}  // namespace

Object bodies(Server& server, Document& partDocument) {
    return server.object(&partDocument.part().bodies, "Bodies",
                         [&] { return std::make_shared<BodiesDispatch>(server, partDocument); });
}

}  // namespace qvl::sim::objects
