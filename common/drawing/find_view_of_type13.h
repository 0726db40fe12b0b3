#pragma once

#include "common/automation/object.h"

namespace qvl::drawing {

// The view type of a sheet's main view (CATIA's catViewMain), which holds frames, notes and
// title texts.
inline constexpr int mainViewType = 13;

// The first view of the sheet's Views, in collection order, whose ViewType is 13; Nothing when
// the sheet has none. A failing call reaches the caller.
automation::Object FindViewOfType13(const automation::Object& sheet);

}  // namespace qvl::drawing
