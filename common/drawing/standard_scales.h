#pragma once

#include <array>
#include <cstddef>

namespace qvl::drawing {

// The drawing scales that views may take, from 100:1 down to 1:10000.
using StandardScaleList = std::array<double, 19>;

// Index of the 1:1 scale in the list; scale fitting starts there and only steps down.
inline constexpr std::size_t oneToOneScaleIndex = 6;

// 100, 50, 20, 10, 5, 2, 1, then 1/2, 1/5, 1/10 ... 1/10000, each computed as one divided by
// its denominator.
StandardScaleList BuildStandardScales();

}  // namespace qvl::drawing
