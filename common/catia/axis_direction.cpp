#include "common/catia/axis_direction.h"

#include <vector>

#include "common/automation/error.h"
#include "common/automation/variant.h"

namespace qvl::catia {

using automation::Variant;

std::array<double, 3> ReadAxisDirection(const automation::Object& axisSystem, std::string_view member) {
    std::vector<Variant> arguments{Variant(Variant::Array(3))};
    axisSystem.callByRef(member, arguments);
    const Variant::Array& components = arguments.front().array();
    if (components.size() < 3) {
        throw automation::Error(automation::errc::subscriptOutOfRange, "Subscript out of range");
    }
    return {components[0].toDouble(), components[1].toDouble(), components[2].toDouble()};
}

}  // namespace qvl::catia
