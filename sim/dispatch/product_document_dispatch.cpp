#include "sim/dispatch/document_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class ProductDocumentDispatch : public DocumentDispatch {
public:
    ProductDocumentDispatch(Server& server, std::shared_ptr<Document> document)
        : DocumentDispatch("ProductDocument", server, std::move(document)) {
        property("Product", [this](Args) { return Variant(objects::product(this->server(), this->document().product())); });
    }
};

}  // namespace

Object productDocument(Server& server, const std::shared_ptr<Document>& document) {
    return server.object(document.get(), "ProductDocument",
                         [&] { return std::make_shared<ProductDocumentDispatch>(server, document); });
}

}  // namespace qvl::sim::objects
