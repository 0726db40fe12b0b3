#include "sim/dispatch/document_dispatch.h"
#include "sim/dispatch/objects.h"
#include "sim/model/document_files.h"
#include "sim/model/drawing/drawing.h"
#include "sim/model/refusal.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

class DrawingDocumentDispatch : public DocumentDispatch {
public:
    DrawingDocumentDispatch(Server& server, std::shared_ptr<Document> drawingDocument)
        : DocumentDispatch("DrawingDocument", server, std::move(drawingDocument)) {
        property("Sheets", [this](Args) { return Variant(drawingSheets(this->server(), owner())); });
        // The drawing standard: 0 ANSI, 1 ISO, 2 JIS. A drawing that names none is ISO.
        property("Standard", [this](Args) { return Variant(this->document().drawing().standard.value_or(1)); },
                 [this](const Variant& v) {
                     long long standard = v.toLong();
                     if (standard < 0 || standard > 2) throw Refusal("no drawing standard " + std::to_string(standard));
                     this->document().drawing().standard = standard;
                     this->document().setModified(true);
                 });
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
