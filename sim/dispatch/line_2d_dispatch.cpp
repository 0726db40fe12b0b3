#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// A straight line that a view's 2D factory drew. It lives as long as its view.
class Line2DDispatch : public DrawingObjectDispatch {
public:
    Line2DDispatch(Server& server, DocumentPtr drawingDocument, ViewPtr holder, DrawingLine drawn)
        : DrawingObjectDispatch("Line2D", server, std::move(drawingDocument)), view_(std::move(holder)), line_(drawn) {
        // GetEndPoints(points): fills points with x1, y1, x2, y2 in the view's coordinates.
        method("GetEndPoints", [this](Args args) {
            automation::argument(args, 0);
            alive(view_);
            fillOutArray(args[0], {line_.x1, line_.y1, line_.x2, line_.y2});
            return Variant();
        });
    }

private:
    ViewPtr view_;
    DrawingLine line_;
};

}  // namespace

Object line2D(Server& server, const DocumentPtr& drawing, const ViewPtr& view, const DrawingLine& line) {
    return Object(std::make_shared<Line2DDispatch>(server, drawing, view, line));
}

}  // namespace qvl::sim::objects
