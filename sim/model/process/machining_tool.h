#pragma once

#include <string>
#include <vector>

#include "sim/model/process/attribute_value.h"

namespace qvl::sim {

// The cutting tool of a machining operation: its name, its number in the machine's magazine,
// its kind ("MfgEndMillTool", "MfgAPTTool", ...) and its attributes ("MFG_NOMINAL_DIAM", ...).
struct MachiningTool {
    std::string name;
    long long number = 0;
    std::string type = "MfgEndMillTool";
    std::vector<NamedValue> attributes;
};

// The assembly that holds an operation's tool in the spindle, known by its attributes
// ("MFG_NAME", "MFG_ASS_GAGE_1", ...).
struct ToolAssembly {
    std::vector<NamedValue> attributes;
};

}  // namespace qvl::sim
