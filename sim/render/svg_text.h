#pragma once

#include <string>
#include <string_view>

namespace qvl::sim {

// A number for SVG and DXF text: up to three decimals, without trailing zeros.
std::string formatCoordinate(double value);

// Text with XML's special characters escaped, for element content and attribute values.
std::string escapeXml(std::string_view text);

}  // namespace qvl::sim
