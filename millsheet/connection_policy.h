#pragma once

#include "common/catia/connection_policy.h"

namespace qvl::millsheet {

// Millsheet's copy of the connection module: it shows a CATIA it starts, says when no document
// is open, and a cancelled pick gives Empty without a word.
inline catia::ConnectionPolicy connectionPolicy() {
    return {.title = "Quorvel工具箱CATIA版生成加工单", .pickCancel = catia::ConnectionPolicy::PickCancel::Empty};
}

}  // namespace qvl::millsheet
