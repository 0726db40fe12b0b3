#include "sim/dispatch/document_dispatch.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"
#include "sim/model/drawing/view_generation.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// What a view can be given to project: a product, part or body, or a part or product document,
// which stands for its root product (as the reference's examples pass one).
std::optional<Element> projectable(const automation::Object& object) {
    if (std::optional<Element> element = elementOf(object)) return element;
    std::shared_ptr<Document> document = documentOf(object);
    if (!document || document->kind() == DocumentKind::Drawing || document->kind() == DocumentKind::Process) {
        return std::nullopt;
    }
    return Element{document, &document->product()};
}

Vec3 vectorAt(std::span<Variant> args, std::size_t first) {
    return {argument(args, first).toDouble(), argument(args, first + 1).toDouble(), argument(args, first + 2).toDouble()};
}

// How a view is generated from 3D: the object it projects and the directions it projects on.
class GenerativeBehaviorDispatch : public ViewBoundDispatch {
public:
    GenerativeBehaviorDispatch(Server& server, DocumentPtr drawingDocument, SheetPtr onSheet, ViewPtr target)
        : ViewBoundDispatch("DrawingViewGenerativeBehavior", server, std::move(drawingDocument), std::move(onSheet),
                            std::move(target)) {
        property("Document",
                 [this](Args) {
                     const auto& links = effectiveLinks(view());
                     if (links.empty()) throw Refusal("the view projects nothing");
                     if (!links.front().element) throw Refusal("the projected document " + links.front().documentPath + " is not loaded");
                     return Variant(objects::element(this->server(), *links.front().element));
                 },
                 [this](const Variant& v) {
                     std::optional<Element> projected = projectable(v.object());
                     if (!projected) throw Refusal("a view projects objects of CATIA documents");
                     view().generative.links = {linkTo(*projected)};
                     changed();
                 });
        // DefineFrontView(horizontal x, y, z, vertical x, y, z)
        method("DefineFrontView", [this](Args args) {
            defineFrontView(sheet(), view(), vectorAt(args, 0), vectorAt(args, 3));
            changed();
            return Variant();
        });
        method("DefineIsometricView", [this](Args args) {
            defineIsometricView(sheet(), view(), vectorAt(args, 0), vectorAt(args, 3));
            changed();
            return Variant();
        });
        // DefineProjectionView(reference behaviour, projection type)
        method("DefineProjectionView", [this](Args args) {
            ViewBinding from = viewBindingOf(argument(args, 0).object());
            if (from.sheet != sheetPointer()) throw Refusal("a projection view is on its reference's sheet");
            defineProjectionView(sheet(), view(), from.view, argument(args, 1).toLong());
            changed();
            return Variant();
        });
        // SetAxisSysteme(product, axis system of that product's part)
        method("SetAxisSysteme", [this](Args args) {
            std::optional<Element> product = elementOf(argument(args, 0).object());
            std::optional<Element> axis = elementOf(argument(args, 1).object());
            auto productNode = product ? std::get_if<Product*>(&product->target) : nullptr;
            auto axisSystem = axis ? std::get_if<AxisSystem*>(&axis->target) : nullptr;
            if (!productNode || !axisSystem) throw Refusal("SetAxisSysteme takes a product and an axis system");
            projectInAxisSystem(sheet(), view(), **productNode, *axis->document, **axisSystem);
            changed();
            return Variant();
        });
        method("Update", [this](Args) {
            updateView(view());
            changed();
            return Variant();
        });
    }

    static void copyLinks(const DrawingView& from, const ViewBinding& to) {
        for (const GenerativeLink& link : from.generative.links) {
            auto& links = to.view->generative.links;
            bool known = std::any_of(links.begin(), links.end(), [&](const GenerativeLink& l) {
                return l.element && link.element ? *l.element == *link.element
                                                 : l.documentPath == link.documentPath && l.bodyName == link.bodyName;
            });
            if (!known) links.push_back(link);
        }
    }
};

// The objects a view projects.
class GenerativeLinksDispatch : public ViewBoundDispatch {
public:
    GenerativeLinksDispatch(Server& server, DocumentPtr drawingDocument, SheetPtr onSheet, ViewPtr target)
        : ViewBoundDispatch("DrawingViewGenerativeLinks", server, std::move(drawingDocument), std::move(onSheet),
                            std::move(target)) {
        method("AddLink", [this](Args args) {
            std::optional<Element> projected = projectable(argument(args, 0).object());
            if (!projected) throw Refusal("a view projects objects of CATIA documents");
            GenerativeLink link = linkTo(*projected);
            auto& links = view().generative.links;
            bool known = std::any_of(links.begin(), links.end(),
                                     [&](const GenerativeLink& l) { return l.element && *l.element == *link.element; });
            if (!known) links.push_back(std::move(link));
            changed();
            return Variant();
        });
        method("CopyLinksTo", [this](Args args) {
            GenerativeBehaviorDispatch::copyLinks(view(), viewBindingOf(argument(args, 0).object()));
            changed();
            return Variant();
        });
    }
};

}  // namespace

Object generativeBehavior(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet, const ViewPtr& view) {
    return server.object(view.get(), "DrawingViewGenerativeBehavior",
                         [&] { return std::make_shared<GenerativeBehaviorDispatch>(server, drawing, sheet, view); });
}

Object generativeLinks(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet, const ViewPtr& view) {
    return server.object(view.get(), "DrawingViewGenerativeLinks",
                         [&] { return std::make_shared<GenerativeLinksDispatch>(server, drawing, sheet, view); });
}

}  // namespace qvl::sim::objects
