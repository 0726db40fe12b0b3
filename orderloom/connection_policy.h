#pragma once

#include "common/catia/connection_policy.h"

namespace qvl::orderloom {

// Orderloom's copy of the connection module: a CATIA it starts stays hidden and the error state
// of the failed attach stays set, a missing document goes unreported, and reading the language
// ignores the errors of single calls.
inline catia::ConnectionPolicy connectionPolicy() {
    return {.title = "Orderloom",
            .showsStartedCatia = false,
            .clearsErrorAfterStart = false,
            .reportsMissingDocument = false,
            .pickCancel = catia::ConnectionPolicy::PickCancel::Empty,
            .languageIgnoresErrors = true};
}

}  // namespace qvl::orderloom
