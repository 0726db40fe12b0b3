#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"
#include "sim/model/drawing/component_instance.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The detail instances placed in a view.
class DrawingComponentsDispatch : public DrawingObjectDispatch {
public:
    DrawingComponentsDispatch(Server& server, DocumentPtr drawingDocument, ViewPtr target)
        : DrawingObjectDispatch("DrawingComponents", server, std::move(drawingDocument)), view_(std::move(target)) {
        property("Count", [this](Args) { return countOf(view().components.size()); });
        method("Item", [this](Args args) {
            const auto& components = view().components;
            std::size_t i = itemPosition(
                components.size(), argument(args, 0),
                [&](std::size_t at, const std::string& name) { return components[at]->name == name; },
                "DrawingComponents");
            return Variant(drawingComponent(this->server(), owner(), view_, components[i]));
        });
        // Add(detail view, x, y): an instance of the detail, which may lie in another drawing.
        method("Add", [this](Args args) {
            ViewBinding detail = viewBindingOf(argument(args, 0).object());
            auto component = instantiate(view(), alive(detail.sheet), *detail.view, detail.document->fullName(),
                                         argument(args, 1).toDouble(), argument(args, 2).toDouble());
            changed();
            return Variant(drawingComponent(this->server(), owner(), view_, component));
        });
    }

private:
    DrawingView& view() const { return alive(view_); }

    ViewPtr view_;
};

// A placed detail instance.
class DrawingComponentDispatch : public DrawingObjectDispatch {
public:
    DrawingComponentDispatch(Server& server, DocumentPtr drawingDocument, ViewPtr holderView,
                             std::shared_ptr<DrawingComponent> placed)
        : DrawingObjectDispatch("DrawingComponent", server, std::move(drawingDocument)),
          holder_(std::move(holderView)),
          component_(std::move(placed)) {
        property("Name", [this](Args) { return Variant(component().name); },
                 [this](const Variant& v) {
                     component().name = v.toString();
                     changed();
                 });
        property("x", [this](Args) { return Variant(component().x); },
                 [this](const Variant& v) {
                     component().x = v.toDouble();
                     changed();
                 });
        property("y", [this](Args) { return Variant(component().y); },
                 [this](const Variant& v) {
                     component().y = v.toDouble();
                     changed();
                 });
        method("Explode", [this](Args) {
            explode(alive(holder_), component());
            changed();
            return Variant();
        });
        // GetModifiableObject(position from 1, or name): a text that the detail made
        // modifiable in instances; CATIA hands out no other.
        method("GetModifiableObject", [this](Args args) {
            const auto texts = modifiableTexts(component());
            std::size_t i = itemPosition(
                texts.size(), argument(args, 0),
                [&](std::size_t at, const std::string& name) { return texts[at]->name == name; },
                "modifiable objects of " + component().name);
            return Variant(drawingText(this->server(), owner(), texts[i]));
        });
        method("GetModifiableObjectsCount", [this](Args) { return countOf(modifiableTexts(component()).size()); });
    }

    std::optional<Element> element() const override { return Element{owner(), component_}; }

private:
    DrawingComponent& component() const { return alive(component_); }

    ViewPtr holder_;
    std::shared_ptr<DrawingComponent> component_;
};

}  // namespace

Object drawingComponents(Server& server, const DocumentPtr& drawing, const ViewPtr& view) {
    return server.object(&view->components, "DrawingComponents",
                         [&] { return std::make_shared<DrawingComponentsDispatch>(server, drawing, view); });
}

Object drawingComponent(Server& server, const DocumentPtr& drawing, const ViewPtr& holder,
                        const std::shared_ptr<DrawingComponent>& component) {
    return server.object(component.get(), "DrawingComponent", [&] {
        return std::make_shared<DrawingComponentDispatch>(server, drawing, holder, component);
    });
}

}  // namespace qvl::sim::objects
