#pragma once

#include <cstddef>
#include <vector>

#include "sim/model/element.h"

namespace qvl::sim {

// The objects selected in a document, in the order in which they were selected. An object is
// selected at most once.
class Selection {
public:
    void clear() { items_.clear(); }
    void add(Element element);
    void replace(std::vector<Element> elements);

    std::size_t count() const noexcept { return items_.size(); }
    const std::vector<Element>& items() const noexcept { return items_; }
    // Position from 1; refuses a position outside the selection.
    const Element& item(long long position) const;

private:
    std::vector<Element> items_;
};

}  // namespace qvl::sim
