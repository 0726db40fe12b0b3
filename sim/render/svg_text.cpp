#include "sim/render/svg_text.h"

#include <cmath>
#include <cstdio>

namespace qvl::sim {

std::string formatCoordinate(double value) {
    double rounded = std::round(value * 1000) / 1000;
    if (rounded == 0) rounded = 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", rounded);
    std::string s = buffer;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string escapeXml(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace qvl::sim
