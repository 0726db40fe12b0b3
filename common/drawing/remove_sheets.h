#pragma once

#include <optional>
#include <string>

#include "common/automation/error_trap.h"
#include "common/automation/object.h"

namespace qvl::drawing {

// Removes every sheet of `drawing` but the one named `keep` (every sheet when there is none to
// keep), by name, after all names were read. Each call is a statement of `trap`: a failing one
// is skipped; CATIA refuses to remove the last sheet, which then stays.
void RemoveSheetsExcept(const automation::Object& drawing, const std::optional<std::string>& keep,
                        automation::ErrorTrap& trap);

}  // namespace qvl::drawing
