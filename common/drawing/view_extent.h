#pragma once

#include <vector>

#include "common/automation/object.h"
#include "common/automation/variant.h"

namespace qvl::drawing {

// The width and height of a view's box on the sheet, in millimetres, as the view's Size
// reports it (xmin, xmax, ymin, ymax). An answer of fewer than four values fails as an
// automation error.
struct ViewExtent {
    double width = 0;
    double height = 0;
};

ViewExtent ReadViewExtent(const automation::Object& view);

// The directions (right, up) that both drawing programs give their isometric views.
const std::vector<automation::Variant>& IsometricViewDirection();

}  // namespace qvl::drawing
