#pragma once

#include "common/platform/services.h"

namespace qvl::orderloom {

// Lets the window process its pending messages until at least `seconds` have passed on the
// system clock, which restarts from 0 at midnight.
void WaitSeconds(platform::Services& services, float seconds);

// Seconds from `start` to `now`, both read from the clock that restarts at midnight.
double secondsSince(double start, double now);

}  // namespace qvl::orderloom
