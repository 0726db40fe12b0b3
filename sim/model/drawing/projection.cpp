#include "sim/model/drawing/projection.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

constexpr double tolerance = 1e-9;

Vec3 unit(const Vec3& v) {
    double length = std::sqrt(dot(v, v));
    if (length < tolerance) throw Refusal("a view direction has no length");
    return (1.0 / length) * v;
}

Vec3 corner(const Box& box, int bits) {
    return {(bits & 1) ? box.max.x : box.min.x, (bits & 2) ? box.max.y : box.min.y, (bits & 4) ? box.max.z : box.min.z};
}

// The outward normal of the face of a box on `axis` (0 x, 1 y, 2 z), on its max side or not.
Vec3 faceNormal(int axis, bool maxSide) {
    double s = maxSide ? 1.0 : -1.0;
    return axis == 0 ? Vec3{s, 0, 0} : axis == 1 ? Vec3{0, s, 0} : Vec3{0, 0, s};
}

// Whether a box's face, seen along `toViewer`, is turned towards the viewer.
bool facesViewer(int axis, bool maxSide, const Vec3& toViewer) {
    return dot(faceNormal(axis, maxSide), toViewer) > tolerance;
}

}  // namespace

ViewDirections orthonormal(const Vec3& horizontal, const Vec3& vertical) {
    Vec3 h = unit(horizontal);
    Vec3 v = vertical - dot(vertical, h) * h;
    if (std::sqrt(dot(v, v)) < tolerance) throw Refusal("the view directions are parallel");
    return {h, unit(v)};
}

ViewDirections projectedDirections(const ViewDirections& front, long long type) {
    Vec3 toViewer = cross(front.horizontal, front.vertical);
    switch (type) {
        case 0: return {-toViewer, front.vertical};    // seen from the right
        case 1: return {toViewer, front.vertical};     // seen from the left
        case 2: return {front.horizontal, -toViewer};  // seen from above
        case 3: return {front.horizontal, toViewer};   // seen from below
        default: throw Refusal("no projection view of type " + std::to_string(type));
    }
}

std::optional<Vec3> centreOfGravity(const std::vector<Box>& boxes) {
    double volume = 0;
    Vec3 moment;
    for (const Box& box : boxes) {
        const Vec3 size = box.max - box.min;
        const double v = std::fabs(size.x * size.y * size.z);
        volume += v;
        moment = moment + v * (0.5 * (box.min + box.max));
    }
    if (volume <= tolerance) return std::nullopt;
    return (1.0 / volume) * moment;
}

ViewProjection project(const std::vector<Box>& boxes, const ViewDirections& d) {
    ViewProjection result;
    if (boxes.empty()) return result;
    Vec3 toViewer = cross(d.horizontal, d.vertical);

    double inf = std::numeric_limits<double>::infinity();
    double xmin = inf, xmax = -inf, ymin = inf, ymax = -inf;
    std::vector<ViewEdge> edges;
    for (const Box& box : boxes) {
        double u[8], w[8];
        for (int bits = 0; bits < 8; ++bits) {
            Vec3 p = corner(box, bits);
            u[bits] = dot(p, d.horizontal);
            w[bits] = dot(p, d.vertical);
            xmin = std::min(xmin, u[bits]);
            xmax = std::max(xmax, u[bits]);
            ymin = std::min(ymin, w[bits]);
            ymax = std::max(ymax, w[bits]);
        }
        // An edge runs along one axis; it is seen when one of the two faces it bounds is.
        for (int axis = 0; axis < 3; ++axis) {
            int a1 = (axis + 1) % 3, a2 = (axis + 2) % 3;
            for (int side1 = 0; side1 < 2; ++side1) {
                for (int side2 = 0; side2 < 2; ++side2) {
                    if (!facesViewer(a1, side1, toViewer) && !facesViewer(a2, side2, toViewer)) continue;
                    int from = (side1 << a1) | (side2 << a2);
                    int to = from | (1 << axis);
                    if (std::hypot(u[to] - u[from], w[to] - w[from]) < tolerance) continue;
                    edges.push_back({u[from], w[from], u[to], w[to]});
                }
            }
        }
    }
    const std::optional<Vec3> gravity = centreOfGravity(boxes);
    const double cx = gravity ? dot(*gravity, d.horizontal) : (xmin + xmax) / 2;
    const double cy = gravity ? dot(*gravity, d.vertical) : (ymin + ymax) / 2;
    result.gravityX = cx;
    result.gravityY = cy;
    result.xmin = xmin - cx;
    result.xmax = xmax - cx;
    result.ymin = ymin - cy;
    result.ymax = ymax - cy;
    for (ViewEdge& e : edges) result.edges.push_back({e.x1 - cx, e.y1 - cy, e.x2 - cx, e.y2 - cy});
    return result;
}

std::array<double, 4> placedExtent(const ViewProjection& p, double x, double y, double scale, double angle) {
    double c = std::cos(angle), s = std::sin(angle);
    double inf = std::numeric_limits<double>::infinity();
    std::array<double, 4> box{inf, -inf, inf, -inf};
    for (double px : {p.xmin, p.xmax}) {
        for (double py : {p.ymin, p.ymax}) {
            double sx = x + scale * (c * px - s * py);
            double sy = y + scale * (s * px + c * py);
            box[0] = std::min(box[0], sx);
            box[1] = std::max(box[1], sx);
            box[2] = std::min(box[2], sy);
            box[3] = std::max(box[3], sy);
        }
    }
    return box;
}

}  // namespace qvl::sim
