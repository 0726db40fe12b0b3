#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/model/element.h"
#include "sim/model/geometry.h"

namespace qvl::sim {

class DrawingView;

// What a view projects: a root product (of a part or product document), a part, or a body.
// A link read from a file whose document cannot be loaded keeps its names but has no element.
struct GenerativeLink {
    std::string documentPath;
    std::string bodyName;  // set for a body
    bool part = false;     // the part of a part document rather than its product
    std::optional<Element> element;
};

enum class ViewDefinition { None, Front, Projection, Isometric };

// The axis system that a view is projected in (SetAxisSysteme), by name: the product it was
// given with, the part document that holds the axis system, and the axis system's name.
struct ReferenceAxisSystem {
    std::string product;
    std::string document;
    std::string name;
};

// A segment in a view's own coordinates.
struct ViewEdge {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// The result of projecting the geometry at scale 1. A generated view stands with the
// projection of the centre of gravity of the solids it shows at its x, y; the extent (xmin,
// xmax, ymin, ymax) and the visible edges of every box are relative to that point. The view's
// own coordinates are the projected model coordinates: `gravityX`, `gravityY` is where the
// centre of gravity lies in them, so 2D artwork at the view's (0, 0) sits at the projected
// model origin.
struct ViewProjection {
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
    std::vector<ViewEdge> edges;
    double gravityX = 0;
    double gravityY = 0;
};

// How a view is generated from 3D: its definition, the objects it projects and the directions
// on which it projects them. A projection view takes its directions from its reference view
// whenever it is updated.
struct GenerativeBehaviour {
    ViewDefinition definition = ViewDefinition::None;
    std::vector<GenerativeLink> links;
    // Horizontal and vertical directions in model coordinates: as defined for a front or
    // isometric view, as last derived for a projection view.
    Vec3 horizontal;
    Vec3 vertical;
    // A projection view: the side it is seen from (0 right, 1 left, 2 top, 3 bottom) and the
    // view it is projected from.
    long long projectionType = 0;
    std::weak_ptr<DrawingView> projectedFrom;
    std::string projectedFromName;  // as a file names it, until resolved
    // The axis system the view is projected in, when a program chose one.
    std::optional<ReferenceAxisSystem> axisSystem;
    // Set by the last update; a view never updated shows nothing.
    std::optional<ViewProjection> projection;
};

}  // namespace qvl::sim
