#include "sim/reorder/item_list.h"

#include <algorithm>
#include <utility>

namespace qvl::sim::reorder {

ItemList::ItemList(std::vector<std::string> names) {
    items_.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) items_.push_back({std::move(names[i]), i});
}

std::vector<std::string> ItemList::names() const {
    std::vector<std::string> result;
    result.reserve(items_.size());
    for (const Item& item : items_) result.push_back(item.name);
    return result;
}

void ItemList::scrollTo(int index) {
    int lastTop = std::max(0, count() - visibleRows);
    topIndex_ = std::clamp(index, 0, lastTop);
}

winmsg::Rect ItemList::itemRect(int index) const {
    std::int32_t top = (index - topIndex_) * itemHeight;
    return {0, top, clientWidth, top + itemHeight};
}

std::optional<int> ItemList::itemAt(int x, int y) const {
    if (x < 0 || x >= clientWidth || y < 0 || y >= visibleRows * itemHeight) return std::nullopt;
    int index = topIndex_ + y / itemHeight;
    if (!holds(index)) return std::nullopt;
    return index;
}

void ItemList::moveSelection(int step) {
    if (!selection_) return;
    int from = *selection_;
    int to = from + step;
    if (!holds(from) || !holds(to)) return;
    std::swap(items_[static_cast<std::size_t>(from)], items_[static_cast<std::size_t>(to)]);
    selection_ = to;
}

std::vector<std::size_t> ItemList::orderSinceCommit() const {
    std::vector<std::size_t> order;
    order.reserve(items_.size());
    for (const Item& item : items_) order.push_back(item.committedPlace);
    return order;
}

void ItemList::markCommitted() {
    for (std::size_t i = 0; i < items_.size(); ++i) items_[i].committedPlace = i;
}

}  // namespace qvl::sim::reorder
