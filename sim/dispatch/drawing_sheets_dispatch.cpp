#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The sheets of a drawing in order, detail sheets among them.
class DrawingSheetsDispatch : public DrawingObjectDispatch {
public:
    DrawingSheetsDispatch(Server& server, DocumentPtr drawingDocument)
        : DrawingObjectDispatch("DrawingSheets", server, std::move(drawingDocument)) {
        property("Count", [this](Args) { return countOf(drawing().sheets.size()); });
        method("Item", [this](Args args) { return sheetObject(drawing().sheets[position(argument(args, 0))]); });
        method("Add", [this](Args args) {
            auto sheet = drawing().addSheet(argument(args, 0).toString());
            changed();
            return sheetObject(sheet);
        });
        // AddDetail(name): a detail sheet, whose views are 2D details that other sheets instantiate.
        method("AddDetail", [this](Args args) {
            auto sheet = drawing().addSheet(argument(args, 0).toString(), true);
            changed();
            return sheetObject(sheet);
        });
        method("Remove", [this](Args args) {
            drawing().removeSheet(position(argument(args, 0)));
            changed();
            return Variant();
        });
        property("ActiveSheet", [this](Args) {
            auto sheet = drawing().activeSheet();
            if (!sheet) throw Refusal("the drawing has no sheet");
            return sheetObject(sheet);
        });
        property("Parent", [this](Args) { return Variant(document(this->server(), owner())); });
    }

private:
    std::size_t position(const Variant& key) const {
        const auto& sheets = drawing().sheets;
        return itemPosition(
            sheets.size(), key, [&](std::size_t at, const std::string& name) { return sheets[at]->name == name; },
            "DrawingSheets");
    }

    Variant sheetObject(const SheetPtr& sheet) const { return Variant(drawingSheet(server(), owner(), sheet)); }
};

}  // namespace

Object drawingSheets(Server& server, const DocumentPtr& drawing) {
    return server.object(&drawing->drawing().sheets, "DrawingSheets",
                         [&] { return std::make_shared<DrawingSheetsDispatch>(server, drawing); });
}

}  // namespace qvl::sim::objects
