#include "sim/dispatch/objects.h"
#include "sim/dispatch/server_errors.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// The window of an open document: captioned with the document's name. Once the document's
// window is closed, the window object is gone even when the document stays loaded.
class WindowDispatch : public SimDispatch {
public:
    WindowDispatch(Server& server, std::shared_ptr<Document> document, std::string typeName)
        : SimDispatch(std::move(typeName), server, std::move(document)) {
        property("Caption", [this](Args) { return Variant(shown().name()); });
        method("Activate", [this](Args) {
            session().activate(shown());
            return Variant();
        });
        property("ActiveViewer", [this](Args) {
            shown();
            return Variant(viewer(this->server(), owner()));
        });
    }

private:
    Document& shown() const {
        if (!session().isOpen(*owner())) throw objectDisconnected();
        return *owner();
    }
};

// The viewer of a window: 3D for parts and products, 2D for drawings.
class ViewerDispatch : public SimDispatch {
public:
    ViewerDispatch(Server& server, std::shared_ptr<Document> document, std::string typeName)
        : SimDispatch(std::move(typeName), server, std::move(document)) {
        method("Reframe", [](Args) { return Variant(); });
    }
};

}  // namespace

// A part's or product's window shows the tree of its features beside the geometry; the
// reference documents no window type of its own for drawings and processes.
Object window(Server& server, const std::shared_ptr<Document>& document) {
    const bool specsAndGeometry = document->kind() == DocumentKind::Part || document->kind() == DocumentKind::Product;
    std::string typeName = specsAndGeometry ? "SpecsAndGeomWindow" : "Window";
    return server.object(document.get(), typeName,
                         [&] { return std::make_shared<WindowDispatch>(server, document, typeName); });
}

Object viewer(Server& server, const std::shared_ptr<Document>& document) {
    std::string typeName = document->kind() == DocumentKind::Drawing ? "Viewer2D" : "Viewer3D";
    return server.object(document.get(), typeName,
                         [&] { return std::make_shared<ViewerDispatch>(server, document, typeName); });
}

}  // namespace qvl::sim::objects
