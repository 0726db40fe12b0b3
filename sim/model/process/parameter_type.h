#pragma once

#include <string>

#include "sim/model/process/attribute_value.h"

namespace qvl::sim {

// The typed parameter that CATIA makes of a value of the world: its type name and its `Value`.
//
// - a number: a "RealParam" whose Value is the number;
// - a text that is a number followed by a unit: a dimension. A length ("mm", "cm", "m", "in")
//   is a "Length" whose Value is in millimetres, an angle ("deg", "rad") an "Angle" in degrees;
//   any other unit ("3000turn_mn", "1000mm_mn") a "Dimension" whose Value is the number as
//   written, its unit being CATIA's business;
// - any other text: a "StrParam" whose Value is the text.
// `ValueAsString` is the text as the world holds it, a number in its general text form.
struct ParameterType {
    std::string typeName;
    AttributeValue value;
};

ParameterType parameterType(const AttributeValue& value);

}  // namespace qvl::sim
