#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class SelectedElementDispatch : public SimDispatch {
public:
    SelectedElementDispatch(Server& server, std::shared_ptr<Document> document, Element element)
        : SimDispatch("SelectedElement", server, std::move(document)), element_(std::move(element)) {
        property("Value", [this](Args) { return Variant(objects::element(this->server(), element_)); });
    }

private:
    Element element_;
};

}  // namespace

Object selectedElement(Server& server, const std::shared_ptr<Document>& document, Element element) {
    return Object(std::make_shared<SelectedElementDispatch>(server, document, std::move(element)));
}

}  // namespace qvl::sim::objects
