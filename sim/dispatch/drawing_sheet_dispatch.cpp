#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"
#include "sim/model/drawing/view_generation.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class DrawingSheetDispatch : public DrawingObjectDispatch {
public:
    DrawingSheetDispatch(Server& server, DocumentPtr drawingDocument, SheetPtr onSheet)
        : DrawingObjectDispatch("DrawingSheet", server, std::move(drawingDocument)), sheet_(std::move(onSheet)) {
        property("Name", [this](Args) { return Variant(sheet().name); },
                 [this](const Variant& v) { change([&] { sheet().name = v.toString(); }); });
        property("PaperSize", [this](Args) { return Variant(sheet().paperSize); },
                 [this](const Variant& v) { change([&] { sheet().paperSize = v.toLong(); }); });
        property("ProjectionMethod", [this](Args) { return Variant(sheet().projectionMethod); },
                 [this](const Variant& v) {
                     long long method = v.toLong();
                     if (method != 0 && method != 1) throw Refusal("no projection method " + std::to_string(method));
                     change([&] { sheet().projectionMethod = method; });
                 });
        auto scaleGetter = [this](Args) { return Variant(sheet().scale); };
        auto scaleSetter = [this](const Variant& v) {
            double scale = v.toDouble();
            if (!(scale > 0)) throw Refusal("a sheet's scale is above 0");
            change([&] { sheet().scale = scale; });
        };
        property("Scale2", scaleGetter, scaleSetter);
        property("Scale", scaleGetter, scaleSetter);
        property("Views", [this](Args) { return Variant(drawingViews(this->server(), owner(), sheet_)); });
        method("IsDetail", [this](Args) { return Variant(sheet().detail); });
        method("Activate", [this](Args) {
            sheet();
            drawing().activate(sheet_);
            return Variant();
        });
        // Updates every generated view, in the order in which they were made.
        method("Update", [this](Args) {
            for (const auto& view : sheet().views) updateView(*view);
            changed();
            return Variant();
        });
        property("Parent", [this](Args) { return Variant(drawingSheets(this->server(), owner())); });
    }

    std::optional<Element> element() const override { return Element{owner(), sheet_}; }

private:
    DrawingSheet& sheet() const { return alive(sheet_); }
    template <class F>
    void change(F&& f) {
        f();
        changed();
    }

    SheetPtr sheet_;
};

}  // namespace

Object drawingSheet(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet) {
    return server.object(sheet.get(), "DrawingSheet",
                         [&] { return std::make_shared<DrawingSheetDispatch>(server, drawing, sheet); });
}

}  // namespace qvl::sim::objects
