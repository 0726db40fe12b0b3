#pragma once

#include <cmath>
#include <cstdint>

#include "headless/transcript.h"

namespace qvl::sim {

// A length as a world file holds it: whole numbers without a fraction, as an author writes
// them; others to the micrometre's thousandth, so that computed values read the same on every
// machine.
inline platform::Json worldNumber(double value) {
    double rounded = std::round(value * 1e6) / 1e6;
    if (rounded == 0) rounded = 0;  // no "-0"
    if (std::trunc(rounded) == rounded && std::fabs(rounded) < 1e15) return static_cast<std::int64_t>(rounded);
    return rounded;
}

}  // namespace qvl::sim
