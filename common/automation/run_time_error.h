#pragma once

#include <string>

#include "common/automation/error.h"

namespace qvl::automation {

// The text of the run-time error box that an error no handler traps brings up.
inline std::string runTimeErrorText(const Error& error) {
    return "Run-time error '" + std::to_string(error.code()) + "':\r\n\r\n" + error.description();
}

// The style of that box: OK only, with the stop icon.
inline constexpr int runTimeErrorStyle = 16;

}  // namespace qvl::automation
