#pragma once

#include <array>
#include <memory>
#include <vector>

#include "sim/model/drawing/drawing_sheet.h"
#include "sim/model/drawing/projection.h"

namespace qvl::sim {

// How CATIA generates views from 3D: definitions, links, updates and the view's box.

// Makes `view` a front view (or an isometric view) seen on the given directions.
void defineFrontView(DrawingSheet& sheet, DrawingView& view, const Vec3& horizontal, const Vec3& vertical);
void defineIsometricView(DrawingSheet& sheet, DrawingView& view, const Vec3& horizontal, const Vec3& vertical);
// Makes `view` a projection view of `from`, seen from the side that `type` names (0 right,
// 1 left, 2 top, 3 bottom). Refuses another type and a view projected from itself.
void defineProjectionView(DrawingSheet& sheet, DrawingView& view, const std::shared_ptr<DrawingView>& from,
                          long long type);

// Projects `view` in the axis system `axis` of the part document `partDocument` whose reference
// product is `product` (an instance of the part is refused): a front view (or a view not defined yet) then shows the axis system's XZ plane,
// its X axis to the right and its Z axis up. Other views only keep the axis system. Refuses an
// axis system that is not of the product's part.
void projectInAxisSystem(DrawingSheet& sheet, DrawingView& view, const Product& product, const Document& partDocument,
                         const AxisSystem& axis);

// The link made for an object that a view can project: a root product, a part or a body.
// Refuses anything else.
GenerativeLink linkTo(const Element& element);
// The links that a view projects: its own, or those of the view it is projected from.
const std::vector<GenerativeLink>& effectiveLinks(const DrawingView& view);

// The directions the view projects on now; nullopt for a view that is not defined.
std::optional<ViewDirections> currentDirections(const DrawingView& view);

// Projects the linked geometry on the view's directions. A view that is not defined stays as
// it is; one whose linked documents are not loaded keeps what it showed when it was saved.
// Refuses a defined view that projects nothing.
void updateView(DrawingView& view);

// The view's box on the sheet {xmin, xmax, ymin, ymax}: a generated view's projection,
// centred on its x, y, scaled and turned; for other views the box of their lines and texts.
std::array<double, 4> viewSize(const DrawingView& view);

}  // namespace qvl::sim
