#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/winmsg/window_messages.h"

namespace qvl::sim::reorder {

// The list box of the reorder dialog: the product's children by instance name in the order
// the dialog holds, the one selected item, and a view of a few rows that scrolls, so that a
// point of the list's client area lies over at most one item.
class ItemList {
public:
    static constexpr int itemHeight = 16;   // pixels
    static constexpr int visibleRows = 6;
    static constexpr int clientWidth = 180;

    explicit ItemList(std::vector<std::string> names);

    int count() const noexcept { return static_cast<int>(items_.size()); }
    bool holds(int index) const noexcept { return index >= 0 && index < count(); }
    const std::string& text(int index) const { return items_.at(static_cast<std::size_t>(index)).name; }
    std::vector<std::string> names() const;

    // Scrolls so that `index` is the first visible row, or as near as the list's end allows.
    void scrollTo(int index);
    int topIndex() const noexcept { return topIndex_; }

    // The item's rectangle in client coordinates; rows above or below the view lie outside
    // the client area.
    winmsg::Rect itemRect(int index) const;
    // The item under a point of the client area, if any.
    std::optional<int> itemAt(int x, int y) const;

    std::optional<int> selection() const noexcept { return selection_; }
    void select(int index) { selection_ = index; }

    // Moves the selected item one place up (-1) or down (+1); the selection stays with it.
    // Nothing happens without a selection or at the list's end.
    void moveSelection(int step);

    // For each place, the place the item held when the order was last committed.
    std::vector<std::size_t> orderSinceCommit() const;
    void markCommitted();

private:
    struct Item {
        std::string name;
        std::size_t committedPlace;
    };

    std::vector<Item> items_;
    int topIndex_ = 0;
    std::optional<int> selection_;
};

}  // namespace qvl::sim::reorder
