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
        // Add(x, y, rows, columns, row height, column width): an empty table whose upper-left
        // corner stands at (x, y) in the view's coordinates.
        method("Add", [this](Args args) {
            auto& tables = view().content.tables;
            auto table = std::make_shared<DrawingTable>(DrawingTable::empty(
                "Table." + std::to_string(tables.size() + 1), argument(args, 0).toDouble(), argument(args, 1).toDouble(),
                argument(args, 2).toLong(), argument(args, 3).toLong(), argument(args, 4).toDouble(),
                argument(args, 5).toDouble()));
            tables.push_back(table);
            changed();
            return Variant(drawingTable(this->server(), owner(), table));
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
