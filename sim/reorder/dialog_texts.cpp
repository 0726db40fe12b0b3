#include "sim/reorder/dialog_texts.h"

namespace qvl::sim::reorder {

DialogTexts DialogTexts::english() {
    return {"Graph tree reordering", "Graph tree reordering", "OK", "Apply", "Move Up", "Move Down"};
}

DialogTexts DialogTexts::chinese() {
    return {"图形树重新排序", "图形树重新排序", "确定", "应用", "上移", "下移"};
}

}  // namespace qvl::sim::reorder
