#include "sim/model/process/parameter_type.h"

#include <array>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>

namespace qvl::sim {
namespace {

struct Unit {
    std::string_view name;
    const char* typeName;
    double factor;  // to the unit of the type's Value
};

constexpr std::array units{
    Unit{"mm", "Length", 1.0},   Unit{"cm", "Length", 10.0},
    Unit{"m", "Length", 1000.0}, Unit{"in", "Length", 25.4},
    Unit{"deg", "Angle", 1.0},   Unit{"rad", "Angle", 180.0 / std::numbers::pi},
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A unit: a letter, then letters, digits, '_' or '/' ("mm", "turn_mn", "mm2").
bool isUnit(std::string_view text) {
    return !text.empty() && isLetter(text.front()) && std::all_of(text.begin(), text.end(), [](char c) {
        return isLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '/';
    });
}

}  // namespace

ParameterType parameterType(const AttributeValue& value) {
    if (const double* number = std::get_if<double>(&value)) return {"RealParam", *number};
    const std::string& text = std::get<std::string>(value);
    double number = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    const std::string_view unit(end, static_cast<std::size_t>(text.data() + text.size() - end));
    if (ec != std::errc() || !std::isfinite(number) || !isUnit(unit)) return {"StrParam", text};
    for (const Unit& known : units) {
        if (unit == known.name) return {known.typeName, number * known.factor};
    }
    return {"Dimension", number};
}

}  // namespace qvl::sim
