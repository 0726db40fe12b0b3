#include "common/drawing/remove_sheets.h"

#include <vector>

#include "common/automation/variant.h"

namespace qvl::drawing {

using automation::Object;
using automation::Variant;

void RemoveSheetsExcept(const Object& drawing, const std::optional<std::string>& keep, automation::ErrorTrap& trap) {
    Object sheets;
    trap([&] { sheets = drawing.get("Sheets").object(); });
    long long count = 0;
    trap([&] { count = sheets.get("Count").toLong(); });
    std::vector<std::string> names;
    for (long long i = 1; i <= count; ++i) {
        trap([&] { names.push_back(sheets.call("Item", {Variant(i)}).object().get("Name").toString()); });
    }
    for (const std::string& name : names) {
        if (keep && name == *keep) continue;
        trap([&] { sheets.call("Remove", {Variant(name)}); });
    }
}

}  // namespace qvl::drawing
