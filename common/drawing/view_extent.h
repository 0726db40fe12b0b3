#pragma once

#include <vector>

#include "common/automation/object.h"
#include "common/automation/variant.h"

namespace qvl::drawing {

// A view's box on the sheet, in millimetres, as the view's Size reports it. An answer of fewer
// than four values fails as an automation error.
struct ViewBox {
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
};

ViewBox ReadViewBox(const automation::Object& view);

// The width and height of a view's box on the sheet.
struct ViewExtent {
    double width = 0;
    double height = 0;
};

ViewExtent ReadViewExtent(const automation::Object& view);

// Moves a placed view so that the centre of its box lands on (x, y): CATIA stands a generated
// view with the projection of the model's centre of gravity at its x, y, which is the middle
// of the box only for a symmetric model. When the view's x, y lie outside the box that Size
// reports, Size does not answer in the sheet's coordinates (a centre of gravity lies inside
// its solids' box) and the view stays where it is.
void CentreViewBoxOn(const automation::Object& view, double x, double y);

// The directions (right, up) that both drawing programs give their isometric views.
const std::vector<automation::Variant>& IsometricViewDirection();

}  // namespace qvl::drawing
