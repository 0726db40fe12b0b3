#pragma once

#include <functional>
#include <string>

#include "common/platform/services.h"

namespace qvl::profile {

// Rewrites a settings file on the platform's disk: `edit` receives the file's bytes ("" when
// there is no file yet) and returns them with its values written, everything else kept. A file
// that exists but cannot be read is left alone rather than replaced, and a failing write is
// silent: the programs save their settings without a report.
void updateProfileFile(platform::Services& services, const std::string& path,
                       const std::function<std::string(std::string)>& edit);

}  // namespace qvl::profile
