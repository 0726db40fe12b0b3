#pragma once

#include <array>
#include <optional>
#include <vector>

#include "sim/model/drawing/generative_behaviour.h"
#include "sim/model/geometry.h"

namespace qvl::sim {

// The directions of a view on the model: right and up on the sheet. The viewer looks from the
// side that `cross(horizontal, vertical)` points to.
struct ViewDirections {
    Vec3 horizontal;
    Vec3 vertical;
};

// Unit, perpendicular directions made from the ones a program passed (CATIA takes them
// unnormalised): the vertical one loses its part along the horizontal one. Refuses
// directions that span no plane.
ViewDirections orthonormal(const Vec3& horizontal, const Vec3& vertical);

// The directions of a projection view of a view with `front` directions. `type` names the side
// the view is seen from: 0 the right, 1 the left, 2 the top, 3 the bottom. A side view keeps
// the vertical, a top or bottom view the horizontal, so that it lines up with its reference.
// Refuses any other type.
ViewDirections projectedDirections(const ViewDirections& front, long long type);

// The centre of gravity of solid boxes of one density: their volumes' centroid, nullopt when
// they have no volume. Overlapping boxes count twice.
std::optional<Vec3> centreOfGravity(const std::vector<Box>& boxes);

// Projects the boxes on the directions at scale 1: their extent and the visible edges of each
// box (the edges of the faces turned towards the viewer), relative to the projected centre of
// gravity (the middle of the extent for boxes without volume).
ViewProjection project(const std::vector<Box>& boxes, const ViewDirections& directions);

// The box {xmin, xmax, ymin, ymax} on the sheet of a projection placed with its centre of
// gravity at (x, y), scaled and turned by `angle` radians.
std::array<double, 4> placedExtent(const ViewProjection& projection, double x, double y, double scale, double angle);

}  // namespace qvl::sim
