#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"
#include "sim/model/drawing/component_instance.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The texts of a view, in the order in which they were made.
class DrawingTextsDispatch : public DrawingObjectDispatch {
public:
    DrawingTextsDispatch(Server& server, DocumentPtr drawingDocument, ViewPtr target)
        : DrawingObjectDispatch("DrawingTexts", server, std::move(drawingDocument)), view_(std::move(target)) {
        property("Count", [this](Args) { return countOf(view().content.texts.size()); });
        method("Item", [this](Args args) {
            const auto& texts = view().content.texts;
            std::size_t i = itemPosition(
                texts.size(), argument(args, 0),
                [&](std::size_t at, const std::string& name) { return texts[at]->name == name; }, "DrawingTexts");
            return Variant(drawingText(this->server(), owner(), texts[i]));
        });
        // Add(text, x, y): a new text at (x, y) in the view's coordinates.
        method("Add", [this](Args args) {
            auto text = std::make_shared<DrawingText>();
            text->text = argument(args, 0).toString();
            text->x = argument(args, 1).toDouble();
            text->y = argument(args, 2).toDouble();
            text->name = newTextName(view());
            view().content.texts.push_back(text);
            changed();
            return Variant(drawingText(this->server(), owner(), text));
        });
    }

private:
    DrawingView& view() const { return alive(view_); }

    ViewPtr view_;
};

}  // namespace

Object drawingTexts(Server& server, const DocumentPtr& drawing, const ViewPtr& view) {
    return server.object(&view->content.texts, "DrawingTexts",
                         [&] { return std::make_shared<DrawingTextsDispatch>(server, drawing, view); });
}

}  // namespace qvl::sim::objects
