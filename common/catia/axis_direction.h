#pragma once

#include <array>
#include <string_view>

#include "common/automation/object.h"

namespace qvl::catia {

// One direction of a CATIA axis system: `member` is "GetXAxis", "GetYAxis" or "GetZAxis", which
// fill a by-reference array with three components. An answer of fewer than three components
// fails as an automation error, as reading past a VB array does.
std::array<double, 3> ReadAxisDirection(const automation::Object& axisSystem, std::string_view member);

}  // namespace qvl::catia
