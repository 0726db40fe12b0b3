#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The views of a sheet in order: the main view and the background view first.
class DrawingViewsDispatch : public DrawingObjectDispatch {
public:
    DrawingViewsDispatch(Server& server, DocumentPtr drawingDocument, SheetPtr onSheet)
        : DrawingObjectDispatch("DrawingViews", server, std::move(drawingDocument)), sheet_(std::move(onSheet)) {
        property("Count", [this](Args) { return countOf(sheet().views.size()); });
        method("Item", [this](Args args) {
            const auto& views = sheet().views;
            std::size_t i = itemPosition(
                views.size(), argument(args, 0),
                [&](std::size_t at, const std::string& name) { return views[at]->name == name; }, "DrawingViews");
            return viewObject(views[i]);
        });
        method("Add", [this](Args args) {
            auto view = sheet().addView(argument(args, 0).toString());
            changed();
            return viewObject(view);
        });
        property("ActiveView", [this](Args) {
            auto view = sheet().activeView.lock();
            if (!view || view->removed) throw Refusal("the sheet has no active view");
            return viewObject(view);
        });
        property("Parent", [this](Args) { return Variant(drawingSheet(this->server(), owner(), sheet_)); });
    }

private:
    DrawingSheet& sheet() const { return alive(sheet_); }
    Variant viewObject(const ViewPtr& view) const { return Variant(drawingView(server(), owner(), sheet_, view)); }

    SheetPtr sheet_;
};

}  // namespace

Object drawingViews(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet) {
    return server.object(&sheet->views, "DrawingViews",
                         [&] { return std::make_shared<DrawingViewsDispatch>(server, drawing, sheet); });
}

}  // namespace qvl::sim::objects
