#include "sim/model/process/attribute_value.h"

#include "common/text/vb_number.h"
#include "sim/model/refusal.h"

namespace qvl::sim {

std::string valueText(const AttributeValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return text::cstr(std::get<double>(value));
}

const NamedValue& findValue(const std::vector<NamedValue>& values, std::string_view name, std::string_view owner) {
    for (const NamedValue& value : values) {
        if (value.name == name) return value;
    }
    throw Refusal(std::string(owner) + " has no " + std::string(name));
}

}  // namespace qvl::sim
