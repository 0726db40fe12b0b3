#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// The instances held by a reference product, in tree order.
class ProductsDispatch : public SimDispatch {
public:
    ProductsDispatch(Server& server, Product& holder)
        : SimDispatch("Products", server, holder.document().shared_from_this()), holder_(holder) {
        property("Count", [this](Args) { return countOf(holder_.children().size()); });
        method("Item", [this](Args args) {
            auto& children = holder_.children();
            std::size_t i = itemPosition(
                children.size(), automation::argument(args, 0),
                [&](std::size_t at, const std::string& name) { return children[at]->name() == name; }, "Products");
            return Variant(product(this->server(), *children[i]));
        });
        property("Parent", [this](Args) { return Variant(product(this->server(), holder_)); });
    }

private:
    Product& holder_;
};

}  // namespace

Object products(Server& server, Product& holder) {
    return server.object(&holder, "Products", [&] { return std::make_shared<ProductsDispatch>(server, holder); });
}

}  // namespace qvl::sim::objects
