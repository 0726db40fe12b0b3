#include "sim/dispatch/document_dispatch.h"
#include "sim/dispatch/objects.h"
#include "sim/model/document_files.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

class DrawingDocumentDispatch : public DocumentDispatch {
public:
    DrawingDocumentDispatch(Server& server, std::shared_ptr<Document> drawingDocument)
        : DocumentDispatch("DrawingDocument", server, std::move(drawingDocument)) {
        property("Sheets", [this](Args) { return Variant(drawingSheets(this->server(), owner())); });
        method("Save", [this](Args) {
            saveDocument(session(), this->document());
            return Variant();
        });
        method("SaveAs", [this](Args args) {
            saveDocumentAs(session(), this->document(), argument(args, 0).toString());
            return Variant();
        });
        method("ExportData", [this](Args args) {
            exportDocument(session(), this->document(), argument(args, 0).toString(), argument(args, 1).toString());
            return Variant();
        });
    }
};

}  // namespace

Object drawingDocument(Server& server, const std::shared_ptr<Document>& document) {
    return server.object(document.get(), "DrawingDocument",
                         [&] { return std::make_shared<DrawingDocumentDispatch>(server, document); });
}

}  // namespace qvl::sim::objects
