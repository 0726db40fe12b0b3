#include "sim/dispatch/document_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class PartDocumentDispatch : public DocumentDispatch {
public:
    PartDocumentDispatch(Server& server, std::shared_ptr<Document> document)
        : DocumentDispatch("PartDocument", server, std::move(document)) {
        property("Product", [this](Args) { return Variant(objects::product(this->server(), this->document().product())); });
        property("Part", [this](Args) { return Variant(objects::part(this->server(), this->document())); });
    }
};

}  // namespace

Object partDocument(Server& server, const std::shared_ptr<Document>& document) {
    return server.object(document.get(), "PartDocument",
                         [&] { return std::make_shared<PartDocumentDispatch>(server, document); });
}

}  // namespace qvl::sim::objects
