#include "common/drawing/view_extent.h"

#include <algorithm>
#include <cmath>

#include "common/automation/error.h"

namespace qvl::drawing {

using automation::Variant;

ViewBox ReadViewBox(const automation::Object& view) {
    std::vector<Variant> box{Variant(Variant::Array(4))};
    view.callByRef("Size", box);
    const Variant::Array& v = box.front().array();
    if (v.size() < 4) throw automation::Error(automation::errc::subscriptOutOfRange, "Subscript out of range");
    return {v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble()};
}

ViewExtent ReadViewExtent(const automation::Object& view) {
    const ViewBox box = ReadViewBox(view);
    return {std::fabs(box.xmax - box.xmin), std::fabs(box.ymax - box.ymin)};
}

void CentreViewBoxOn(const automation::Object& view, double x, double y) {
    const ViewBox box = ReadViewBox(view);
    const double placedX = view.get("x").toDouble();
    const double placedY = view.get("y").toDouble();
    const bool inside = placedX >= std::min(box.xmin, box.xmax) && placedX <= std::max(box.xmin, box.xmax) &&
                        placedY >= std::min(box.ymin, box.ymax) && placedY <= std::max(box.ymin, box.ymax);
    if (!inside) return;
    const double dx = x - (box.xmin + box.xmax) / 2;
    const double dy = y - (box.ymin + box.ymax) / 2;
    constexpr double alreadyCentred = 1e-9;
    if (std::fabs(dx) > alreadyCentred) view.put("x", placedX + dx);
    if (std::fabs(dy) > alreadyCentred) view.put("y", placedY + dy);
}

const std::vector<Variant>& IsometricViewDirection() {
    static const std::vector<Variant> direction{-0.707107, 0.707107, 0.0, -0.408248, -0.408248, 0.816497};
    return direction;
}

}  // namespace qvl::drawing
