#pragma once

namespace qvl::millsheet {

// The type names of the process tree's nodes that a machining sheet is made from.
inline constexpr const char* setupType = "ManufacturingSetup";
inline constexpr const char* programType = "ManufacturingProgram";
inline constexpr const char* activityType = "PPRActivity";

}  // namespace qvl::millsheet
