#pragma once

#include <memory>
#include <string>

#include "sim/model/drawing/view_content.h"

namespace qvl::sim {

// An instance of a 2D detail (a view of a detail sheet) placed in a view at (x, y). It carries
// a copy of the detail's artwork, in the detail's own coordinates, so that its texts can be
// changed in this instance only (GetModifiableObject) and it needs its source no longer.
struct DrawingComponent {
    std::string name;
    // The detail it instantiates: "Sheet/View", and the file of the drawing that holds it.
    std::string source;
    std::string sourceDocument;
    double x = 0;
    double y = 0;
    ViewContent content;
    // Set once the component is exploded or deleted.
    bool removed = false;
};

}  // namespace qvl::sim
