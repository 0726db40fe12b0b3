#include "orderloom/wait_seconds.h"

namespace qvl::orderloom {

namespace {
constexpr double secondsPerDay = 24 * 3600.0;
}

double secondsSince(double start, double now) {
    double elapsed = now - start;
    // A clock reading below the start means midnight has passed meanwhile.
    return elapsed < 0 ? elapsed + secondsPerDay : elapsed;
}

void WaitSeconds(platform::Services& services, float seconds) {
    double start = services.secondsSinceMidnight();
    while (secondsSince(start, services.secondsSinceMidnight()) < seconds) services.processPendingMessages();
}

}  // namespace qvl::orderloom
