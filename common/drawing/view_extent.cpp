#include "common/drawing/view_extent.h"

#include <cmath>

#include "common/automation/error.h"

namespace qvl::drawing {

using automation::Variant;

ViewExtent ReadViewExtent(const automation::Object& view) {
    std::vector<Variant> box{Variant(Variant::Array(4))};
    view.callByRef("Size", box);
    const Variant::Array& v = box.front().array();
    if (v.size() < 4) throw automation::Error(automation::errc::subscriptOutOfRange, "Subscript out of range");
    return {std::fabs(v[1].toDouble() - v[0].toDouble()), std::fabs(v[3].toDouble() - v[2].toDouble())};
}

const std::vector<Variant>& IsometricViewDirection() {
    static const std::vector<Variant> direction{-0.707107, 0.707107, 0.0, -0.408248, -0.408248, 0.816497};
    return direction;
}

}  // namespace qvl::drawing
