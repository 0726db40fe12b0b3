#include "orderloom/dialog_labels.h"

namespace qvl::orderloom {

DialogLabels DialogLabels::english() {
    return {"Graph tree reordering", "Graph tree reordering", "OK", "Apply", "Move Up", "Move Down",
            "Generate Numbering"};
}

DialogLabels DialogLabels::chinese() {
    return {"图形树重新排序", "图形树重新排序", "确定", "应用", "上移", "下移", "生成编号"};
}

}  // namespace qvl::orderloom
