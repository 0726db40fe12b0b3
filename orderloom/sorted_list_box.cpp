#include "orderloom/sorted_list_box.h"

#include "common/text/utf8.h"

namespace qvl::orderloom {

void addSortedItem(ui::Control& listBox, std::string item) {
    int place = listBox.listCount();
    while (place > 0 && text::compareTextIgnoreCase(listBox.list(place - 1), item) > 0) --place;
    // Append, then shift the greater items one place down to open the gap.
    listBox.addItem(item);
    for (int i = listBox.listCount() - 1; i > place; --i) listBox.setList(i, listBox.list(i - 1));
    listBox.setList(place, std::move(item));
}

}  // namespace qvl::orderloom
