#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qvl::sim::reorder {

// The product whose children the graph-tree-reordering dialog shows: the product in CATIA's
// selection when the command started. The dialog knows it only through this interface.
class ReorderTarget {
public:
    virtual ~ReorderTarget() = default;

    // The instance names of the children, in their current order in CATIA's tree.
    virtual std::vector<std::string> childNames() const = 0;

    // Puts the children into a new order: `order[i]` is the current position (from 0) of the
    // child that goes to position i. `order` is a permutation of 0 .. childNames().size() - 1.
    virtual void commitOrder(const std::vector<std::size_t>& order) = 0;
};

}  // namespace qvl::sim::reorder
