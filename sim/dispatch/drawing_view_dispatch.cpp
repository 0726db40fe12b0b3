#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"
#include "sim/model/drawing/view_generation.h"

namespace qvl::sim {

ViewBinding viewBindingOf(const automation::Object& object) {
    auto bound = std::dynamic_pointer_cast<ViewBoundDispatch>(object.dispatch());
    if (!bound) throw Refusal("a " + object.typeName() + " is no drawing view");
    ViewBinding binding = bound->binding();
    alive(binding.view);
    return binding;
}

namespace objects {
namespace {

using automation::Variant;
using automation::argument;

class DrawingViewDispatch : public ViewBoundDispatch {
public:
    DrawingViewDispatch(Server& server, DocumentPtr drawingDocument, SheetPtr onSheet, ViewPtr target)
        : ViewBoundDispatch("DrawingView", server, std::move(drawingDocument), std::move(onSheet), std::move(target)) {
        property("Name", [this](Args) { return Variant(view().name); },
                 [this](const Variant& v) {
                     view().name = v.toString();
                     view().automaticName = false;
                     changed();
                 });
        property("ViewType", [this](Args) { return Variant(view().viewType); });
        number("x", &DrawingView::x);
        number("y", &DrawingView::y);
        number("Angle", &DrawingView::angle);
        auto scaleSetter = [this](const Variant& v) {
            double scale = v.toDouble();
            if (!(scale > 0)) throw Refusal("a view's scale is above 0");
            view().scale = scale;
            changed();
        };
        property("Scale2", [this](Args) { return Variant(view().scale); }, scaleSetter);
        property("Scale", [this](Args) { return Variant(view().scale); }, scaleSetter);
        // Size(box): fills box with xmin, xmax, ymin, ymax of the view on the sheet.
        method("Size", [this](Args args) {
            argument(args, 0);
            std::array<double, 4> box = viewSize(view());
            fillOutArray(args[0], {box[0], box[1], box[2], box[3]});
            return Variant();
        });
        method("Activate", [this](Args) {
            sheet().activeView = viewPointer();
            view();
            return Variant();
        });
        property("ReferenceView",
                 [this](Args) {
                     auto reference = view().referenceView.lock();
                     if (!reference || reference->removed) throw Refusal("the view has no reference view");
                     return Variant(drawingView(this->server(), owner(), sheetPointer(), reference));
                 },
                 [this](const Variant& v) {
                     ViewBinding reference = viewBindingOf(v.object());
                     if (reference.sheet != sheetPointer()) throw Refusal("a reference view is on the same sheet");
                     if (reference.view == viewPointer()) throw Refusal("a view cannot refer to itself");
                     view().referenceView = reference.view;
                     view().referenceViewName = reference.view->name;
                     changed();
                 });
        // Lines the view up with its reference: a side view at the reference's height, a view
        // above or below it at the reference's x.
        method("AlignedWithReferenceView", [this](Args) {
            DrawingView& v = view();
            auto reference = v.referenceView.lock();
            if (!reference || reference->removed) throw Refusal("the view has no reference view");
            if (v.viewType == view_type::left || v.viewType == view_type::right) v.y = reference->y;
            if (v.viewType == view_type::top || v.viewType == view_type::bottom) v.x = reference->x;
            v.aligned = true;
            changed();
            return Variant();
        });
        property("GenerativeBehavior", [this](Args) {
            view();
            return Variant(generativeBehavior(this->server(), owner(), sheetPointer(), viewPointer()));
        });
        property("GenerativeLinks", [this](Args) {
            view();
            return Variant(generativeLinks(this->server(), owner(), sheetPointer(), viewPointer()));
        });
        property("Texts", [this](Args) {
            view();
            return Variant(drawingTexts(this->server(), owner(), viewPointer()));
        });
        property("Components", [this](Args) {
            view();
            return Variant(drawingComponents(this->server(), owner(), viewPointer()));
        });
        property("Tables", [this](Args) {
            view();
            return Variant(drawingTables(this->server(), owner(), viewPointer()));
        });
        property("Factory2D", [this](Args) {
            view();
            return Variant(factory2D(this->server(), owner(), viewPointer()));
        });
        property("Parent", [this](Args) { return Variant(drawingViews(this->server(), owner(), sheetPointer())); });
    }

    std::optional<Element> element() const override { return Element{owner(), viewPointer()}; }

private:
    void number(const char* name, double DrawingView::*field) {
        property(name, [this, field](Args) { return Variant(view().*field); },
                 [this, field](const Variant& v) {
                     view().*field = v.toDouble();
                     changed();
                 });
    }
};

}  // namespace

Object drawingView(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet, const ViewPtr& view) {
    return server.object(view.get(), "DrawingView",
                         [&] { return std::make_shared<DrawingViewDispatch>(server, drawing, sheet, view); });
}

}  // namespace objects
}  // namespace qvl::sim
