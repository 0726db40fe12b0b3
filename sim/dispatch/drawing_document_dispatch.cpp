#include "sim/dispatch/document_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {

Object drawingDocument(Server& server, const std::shared_ptr<Document>& document) {
    return server.object(document.get(), "DrawingDocument",
                         [&] { return std::make_shared<DocumentDispatch>("DrawingDocument", server, document); });
}

}  // namespace qvl::sim::objects
