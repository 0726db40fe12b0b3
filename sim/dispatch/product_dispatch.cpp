#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/refusal.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// A root product, or an instance of another document's root product in a product structure.
class ProductDispatch : public SimDispatch {
public:
    ProductDispatch(Server& server, Product& target)
        : SimDispatch("Product", server, target.document().shared_from_this()), product_(target) {
        property("Name", [this](Args) { return Variant(product_.name()); });
        property("PartNumber", [this](Args) { return Variant(product_.properties().partNumber); });
        property("Nomenclature", [this](Args) { return Variant(product_.properties().nomenclature); });
        property("Definition", [this](Args) { return Variant(product_.properties().definition); });
        property("Products", [this](Args) { return Variant(products(this->server(), product_.reference())); });
        property("ReferenceProduct", [this](Args) { return Variant(product(this->server(), product_.reference())); });
        // A root product's parent is its document; an instance's parent is the collection that
        // holds it.
        property("Parent", [this](Args) {
            if (product_.isRoot()) return Variant(document(this->server(), owner()));
            return Variant(products(this->server(), *product_.parent()));
        });
        property("Analyze", [this](Args) {
            if (!product_.properties().analysis.any()) throw Refusal(product_.name() + " carries no analysis");
            return Variant(analyze(this->server(), product_));
        });
        method("ApplyWorkMode", [this](Args args) {
            product_.properties().workMode = static_cast<int>(automation::argument(args, 0).toLong());
            return Variant();
        });
    }

    std::optional<Element> element() const override { return Element{owner(), &product_}; }

private:
    Product& product_;
};

}  // namespace

Object product(Server& server, Product& product) {
    return server.object(&product, "Product", [&] { return std::make_shared<ProductDispatch>(server, product); });
}

Object element(Server& server, const Element& element) {
    struct Visit {
        Server& server;
        const Element& element;
        Object operator()(Product* p) const { return product(server, *p); }
        Object operator()(Part*) const { return part(server, *element.document); }
        Object operator()(Body* b) const { return body(server, *element.document, *b); }
        Object operator()(AxisSystem* a) const { return axisSystem(server, *element.document, *a); }
        Object operator()(const SheetPtr& sheet) const { return drawingSheet(server, element.document, sheet); }
        Object operator()(const ViewPtr& view) const {
            SheetPtr sheet = element.document->drawing().sheetHolding(*view);
            if (!sheet) throw Refusal("the view has been deleted");
            return drawingView(server, element.document, sheet, view);
        }
        Object operator()(const std::shared_ptr<DrawingText>& text) const {
            return drawingText(server, element.document, text);
        }
        Object operator()(const std::shared_ptr<DrawingComponent>& component) const {
            ViewPtr holder = element.document->drawing().viewHolding(*component);
            if (!holder) throw Refusal("the component is no longer placed");
            return drawingComponent(server, element.document, holder, component);
        }
        Object operator()(ProcessActivity* node) const { return activity(server, element.document, *node); }
    };
    return std::visit(Visit{server, element}, element.target);
}

}  // namespace qvl::sim::objects
