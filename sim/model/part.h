#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/model/geometry.h"

namespace qvl::sim {

struct Body {
    std::string name;
    std::vector<Box> boxes;  // in the part's coordinates
};

struct AxisSystem {
    std::string name;
    Vec3 origin;
    Vec3 x{1, 0, 0};
    Vec3 y{0, 1, 0};
    Vec3 z{0, 0, 1};
};

// The geometry of a part document. Its name is the part number of the document's root product.
// Elements are held by pointer so that references to them stay valid while the part changes.
struct Part {
    std::vector<std::unique_ptr<Body>> bodies;
    std::vector<std::unique_ptr<AxisSystem>> axisSystems;

    // Every box of every body, in the part's coordinates.
    std::vector<Box> boxes() const;
};

}  // namespace qvl::sim
