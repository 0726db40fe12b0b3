#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// A table of a view. Rows and columns count from 1; a cell outside the table is refused.
class DrawingTableDispatch : public DrawingObjectDispatch {
public:
    DrawingTableDispatch(Server& server, DocumentPtr drawingDocument, std::shared_ptr<DrawingTable> target)
        : DrawingObjectDispatch("DrawingTable", server, std::move(drawingDocument)), table_(std::move(target)) {
        property("Name", [this](Args) { return Variant(table().name); },
                 [this](const Variant& v) { change([&] { table().name = v.toString(); }); });
        // 0 suspends the table's recomputation while a program fills it, 1 resumes it.
        property("ComputeMode", [this](Args) { return Variant(table().computeMode); },
                 [this](const Variant& v) {
                     long long mode = v.toLong();
                     if (mode != 0 && mode != 1) throw Refusal("no compute mode " + std::to_string(mode));
                     change([&] { table().computeMode = mode; });
                 });
        property("NumberOfRows", [this](Args) { return Variant(table().rowCount()); });
        property("NumberOfColumns", [this](Args) { return Variant(table().columnCount()); });
        method("GetCellString", [this](Args args) {
            return Variant(table().text(argument(args, 0).toLong(), argument(args, 1).toLong()));
        });
        method("SetCellString", [this](Args args) {
            long long row = argument(args, 0).toLong(), column = argument(args, 1).toLong();
            std::string text = argument(args, 2).toString();
            change([&] { table().setText(row, column, std::move(text)); });
            return Variant();
        });
        method("AddRow", [this](Args args) { return changing([&] { table().addRow(argument(args, 0).toLong()); }); });
        method("AddColumn", [this](Args args) { return changing([&] { table().addColumn(argument(args, 0).toLong()); }); });
        method("RemoveRow", [this](Args args) { return changing([&] { table().removeRow(argument(args, 0).toLong()); }); });
        method("RemoveColumn",
               [this](Args args) { return changing([&] { table().removeColumn(argument(args, 0).toLong()); }); });
        method("SetColumnSize", [this](Args args) {
            return changing([&] { table().setColumnSize(argument(args, 0).toLong(), argument(args, 1).toDouble()); });
        });
        method("SetRowSize", [this](Args args) {
            return changing([&] { table().setRowSize(argument(args, 0).toLong(), argument(args, 1).toDouble()); });
        });
        // MergeCells(first row, first column, number of rows, number of columns)
        method("MergeCells", [this](Args args) {
            long long row = argument(args, 0).toLong(), column = argument(args, 1).toLong();
            long long rows = argument(args, 2).toLong(), columns = argument(args, 3).toLong();
            return changing([&] { table().mergeCells(row, column, rows, columns); });
        });
    }

private:
    DrawingTable& table() const { return alive(table_); }
    template <class F>
    void change(F&& f) {
        f();
        changed();
    }
    template <class F>
    Variant changing(F&& f) {
        change(std::forward<F>(f));
        return Variant();
    }

    std::shared_ptr<DrawingTable> table_;
};

}  // namespace

Object drawingTable(Server& server, const DocumentPtr& drawing, const std::shared_ptr<DrawingTable>& table) {
    return server.object(table.get(), "DrawingTable",
                         [&] { return std::make_shared<DrawingTableDispatch>(server, drawing, table); });
}

}  // namespace qvl::sim::objects
