#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The 2D geometry factory of a view: it draws artwork in the view's own coordinates.
class Factory2DDispatch : public DrawingObjectDispatch {
public:
    Factory2DDispatch(Server& server, DocumentPtr drawingDocument, ViewPtr target)
        : DrawingObjectDispatch("Factory2D", server, std::move(drawingDocument)), view_(std::move(target)) {
        // CreateLine(x1, y1, x2, y2): a straight line between the two points.
        method("CreateLine", [this](Args args) {
            DrawingLine line{argument(args, 0).toDouble(), argument(args, 1).toDouble(), argument(args, 2).toDouble(),
                             argument(args, 3).toDouble()};
            alive(view_).content.lines.push_back(line);
            changed();
            return Variant(line2D(this->server(), owner(), view_, line));
        });
    }

private:
    ViewPtr view_;
};

}  // namespace

Object factory2D(Server& server, const DocumentPtr& drawing, const ViewPtr& view) {
    return server.object(&view->content.lines, "Factory2D",
                         [&] { return std::make_shared<Factory2DDispatch>(server, drawing, view); });
}

}  // namespace qvl::sim::objects
