#pragma once

#include "common/catia/connection_policy.h"

namespace qvl::planwright {

// Planwright's copy of the connection module: it shows a CATIA it starts, says when no document
// is open, and a cancelled pick says so and gives Nothing.
inline catia::ConnectionPolicy connectionPolicy() {
    return {.title = "Quorvel工具箱CATIA版自动投图",
            .pickCancel = catia::ConnectionPolicy::PickCancel::NothingAfterMessage};
}

}  // namespace qvl::planwright
