#include "sim/dispatch/arguments.h"

#include <algorithm>

#include "common/automation/error.h"
#include "sim/model/refusal.h"

namespace qvl::sim {

std::size_t itemPosition(std::size_t count, const automation::Variant& key,
                         const std::function<bool(std::size_t, const std::string&)>& isNamed,
                         std::string_view collection) {
    if (key.kind() == automation::Variant::Kind::String) {
        std::string name = key.toString();
        for (std::size_t i = 0; i < count; ++i) {
            if (isNamed(i, name)) return i;
        }
        throw Refusal(std::string(collection) + " has no item named " + name);
    }
    long long position = key.toLong();
    if (position < 1 || position > static_cast<long long>(count)) {
        throw Refusal(std::string(collection) + " has no item " + std::to_string(position));
    }
    return static_cast<std::size_t>(position - 1);
}

std::vector<std::string> filterNames(const automation::Variant& filter) {
    std::vector<std::string> names;
    if (filter.isArray()) {
        for (const automation::Variant& name : filter.array()) names.push_back(name.toString());
    } else {
        names.push_back(filter.toString());
    }
    return names;
}

void fillOutArray(automation::Variant& out, std::initializer_list<double> values) {
    if (!out.isArray()) throw automation::Error(automation::errc::typeMismatch, "Type mismatch");
    automation::Variant::Array& array = out.array();
    if (array.size() < values.size()) throw Refusal("the array passed is too short for the values");
    std::copy(values.begin(), values.end(), array.begin());
}

}  // namespace qvl::sim
