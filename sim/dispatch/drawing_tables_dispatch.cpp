#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The tables of a view, in the order in which they came into it.
class DrawingTablesDispatch : public DrawingObjectDispatch {
public:
    DrawingTablesDispatch(Server& server, DocumentPtr drawingDocument, ViewPtr target)
        : DrawingObjectDispatch("DrawingTables", server, std::move(drawingDocument)), view_(std::move(target)) {
        property("Count", [this](Args) { return countOf(view().content.tables.size()); });
        method("Item", [this](Args args) {
            const auto& tables = view().content.tables;
            std::size_t i = itemPosition(
                tables.size(), argument(args, 0),
                [&](std::size_t at, const std::string& name) { return tables[at]->name == name; }, "DrawingTables");
            return Variant(drawingTable(this->server(), owner(), tables[i]));
        });
    }

private:
    DrawingView& view() const { return alive(view_); }

    ViewPtr view_;
};

}  // namespace

Object drawingTables(Server& server, const DocumentPtr& drawing, const ViewPtr& view) {
    return server.object(&view->content.tables, "DrawingTables",
                         [&] { return std::make_shared<DrawingTablesDispatch>(server, drawing, view); });
}

}  // namespace qvl::sim::objects
