#include "sim/model/selection.h"

#include <algorithm>
#include <string>

#include "sim/model/refusal.h"

namespace qvl::sim {

void Selection::add(Element element) {
    if (std::find(items_.begin(), items_.end(), element) == items_.end()) items_.push_back(std::move(element));
}

void Selection::replace(std::vector<Element> elements) {
    items_.clear();
    for (Element& element : elements) add(std::move(element));
}

const Element& Selection::item(long long position) const {
    if (position < 1 || position > static_cast<long long>(items_.size())) {
        throw Refusal("the selection holds no item " + std::to_string(position));
    }
    return items_[static_cast<std::size_t>(position - 1)];
}

}  // namespace qvl::sim
