#include "sim/dispatch/arguments.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// A circle or arc that a view's 2D factory drew. It lives as long as its view.
class Circle2DDispatch : public DrawingObjectDispatch {
public:
    Circle2DDispatch(Server& server, DocumentPtr drawingDocument, ViewPtr holder, DrawingCircle drawn)
        : DrawingObjectDispatch("Circle2D", server, std::move(drawingDocument)), view_(std::move(holder)), circle_(drawn) {
        property("Radius", [this](Args) {
            alive(view_);
            return Variant(circle_.radius);
        });
        // GetCenter(point): fills point with x, y in the view's coordinates.
        method("GetCenter", [this](Args args) {
            automation::argument(args, 0);
            alive(view_);
            fillOutArray(args[0], {circle_.x, circle_.y});
            return Variant();
        });
    }

private:
    ViewPtr view_;
    DrawingCircle circle_;
};

}  // namespace

Object circle2D(Server& server, const DocumentPtr& drawing, const ViewPtr& view, const DrawingCircle& circle) {
    return Object(std::make_shared<Circle2DDispatch>(server, drawing, view, circle));
}

}  // namespace qvl::sim::objects
