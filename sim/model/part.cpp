#include "sim/model/part.h"

namespace qvl::sim {

std::vector<Box> Part::boxes() const {
    std::vector<Box> all;
    for (const auto& body : bodies) all.insert(all.end(), body->boxes.begin(), body->boxes.end());
    return all;
}

}  // namespace qvl::sim
