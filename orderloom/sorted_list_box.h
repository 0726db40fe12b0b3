#pragma once

#include <string>

#include "common/ui/control.h"

namespace qvl::orderloom {

// Adds an item to a list box whose Sorted property is set: the list keeps its items in
// ascending order of their texts without regard to letter case; an item that compares equal
// to items already held goes after them.
void addSortedItem(ui::Control& listBox, std::string item);

}  // namespace qvl::orderloom
