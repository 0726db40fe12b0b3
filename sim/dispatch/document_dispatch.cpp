#include "sim/dispatch/document_dispatch.h"

#include "sim/dispatch/objects.h"

namespace qvl::sim {

using automation::Variant;

DocumentDispatch::DocumentDispatch(std::string typeName, Server& server, std::shared_ptr<Document> document)
    : SimDispatch(std::move(typeName), server, std::move(document)) {
    property("Name", [this](Args) { return Variant(this->document().name()); });
    property("FullName", [this](Args) { return Variant(this->document().fullName()); });
    property("Path", [this](Args) { return Variant(this->document().path()); });
    property("Selection", [this](Args) { return Variant(objects::selection(this->server(), owner())); });
    method("Activate", [this](Args) {
        session().activate(this->document());
        return Variant();
    });
    method("Close", [this](Args) {
        session().close(this->document());
        return Variant();
    });
}

namespace objects {

Object document(Server& server, const std::shared_ptr<Document>& document) {
    switch (document->kind()) {
        case DocumentKind::Part: return partDocument(server, document);
        case DocumentKind::Product: return productDocument(server, document);
        case DocumentKind::Drawing: return drawingDocument(server, document);
        case DocumentKind::Process: return processDocument(server, document);
    }
    return drawingDocument(server, document);
}

}  // namespace objects
}  // namespace qvl::sim

namespace qvl::sim {

std::shared_ptr<Document> documentOf(const automation::Object& object) {
    auto dispatch = std::dynamic_pointer_cast<DocumentDispatch>(object.dispatch());
    return dispatch ? dispatch->documentPointer() : nullptr;
}

}  // namespace qvl::sim
