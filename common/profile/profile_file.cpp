#include "common/profile/profile_file.h"

#include <optional>

#include "common/automation/error.h"

namespace qvl::profile {

void updateProfileFile(platform::Services& services, const std::string& path,
                       const std::function<std::string(std::string)>& edit) {
    try {
        std::optional<std::string> existing = services.readFile(path);
        if (!existing && services.fileExists(path)) return;
        services.writeFile(path, edit(existing.value_or(std::string())));
    } catch (const automation::Error&) {
        // Reading or writing failed: the options in the window stay as they are.
    }
}

}  // namespace qvl::profile
