#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qvl::sim {

// The value of a tool attribute or of an operation's parameter: a text or a number, as the
// world file holds it.
using AttributeValue = std::variant<std::string, double>;

struct NamedValue {
    std::string name;
    AttributeValue value;
};

// The value as a text: a text as it stands, a number in its general text form (75 gives "75",
// 0.5 gives "0.5").
std::string valueText(const AttributeValue& value);

// The value named exactly `name`; refuses a name that `values` lacks, saying whose values
// (`owner`) they are.
const NamedValue& findValue(const std::vector<NamedValue>& values, std::string_view name, std::string_view owner);

}  // namespace qvl::sim
