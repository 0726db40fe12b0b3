#include "sim/dispatch/document_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// A manufacturing process document: its product, process and resource data lie behind its
// PPRDocument.
class ProcessDocumentDispatch : public DocumentDispatch {
public:
    ProcessDocumentDispatch(Server& server, std::shared_ptr<Document> processDocument)
        : DocumentDispatch("ProcessDocument", server, std::move(processDocument)) {
        property("PPRDocument", [this](Args) {
            this->document().process();
            return Variant(pprDocument(this->server(), owner()));
        });
    }
};

}  // namespace

Object processDocument(Server& server, const DocumentPtr& process) {
    return server.object(process.get(), "ProcessDocument",
                         [&] { return std::make_shared<ProcessDocumentDispatch>(server, process); });
}

}  // namespace qvl::sim::objects
