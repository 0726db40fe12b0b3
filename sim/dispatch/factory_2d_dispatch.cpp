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
        // CreateClosedCircle(x, y, radius) and CreateCircle(x, y, radius, start, end): a circle,
        // or the arc of one from the start to the end angle (radians, counter-clockwise).
        method("CreateClosedCircle", [this](Args args) {
            return circle({argument(args, 0).toDouble(), argument(args, 1).toDouble(), argument(args, 2).toDouble()});
        });
        method("CreateCircle", [this](Args args) {
            return circle({argument(args, 0).toDouble(), argument(args, 1).toDouble(), argument(args, 2).toDouble(),
                           argument(args, 3).toDouble(), argument(args, 4).toDouble()});
        });
    }

private:
    Variant circle(const DrawingCircle& drawn) {
        if (!(drawn.radius > 0)) throw Refusal("a circle's radius is above 0");
        if (!(drawn.end > drawn.start)) throw Refusal("an arc ends after it starts");
        alive(view_).content.circles.push_back(drawn);
        changed();
        return Variant(circle2D(server(), owner(), view_, drawn));
    }

    ViewPtr view_;
};

}  // namespace

Object factory2D(Server& server, const DocumentPtr& drawing, const ViewPtr& view) {
    return server.object(&view->content.lines, "Factory2D",
                         [&] { return std::make_shared<Factory2DDispatch>(server, drawing, view); });
}

}  // namespace qvl::sim::objects
