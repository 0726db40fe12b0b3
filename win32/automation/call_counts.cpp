#include "win32/automation/call_counts.h"

namespace qvl::win32 {

CallCounts& callCounts() {
    static CallCounts counts;
    return counts;
}

}  // namespace qvl::win32
