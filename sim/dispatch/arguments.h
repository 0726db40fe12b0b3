#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/automation/variant.h"

namespace qvl::sim {

// The position (from 0) of the item that an Item argument names: a position from 1, or a name
// that `isNamed` recognises. Refuses a position outside the collection and an unknown name.
std::size_t itemPosition(std::size_t count, const automation::Variant& key,
                         const std::function<bool(std::size_t, const std::string&)>& isNamed,
                         std::string_view collection);

// A count as automation returns it (a Long).
inline automation::Variant countOf(std::size_t count) { return automation::Variant(static_cast<long long>(count)); }

// The type names of a selection filter: an array of texts, or a single text.
std::vector<std::string> filterNames(const automation::Variant& filter);

// Fills a by-reference argument with the three coordinates of a vector.
void fillVector(automation::Variant& out, double x, double y, double z);

}  // namespace qvl::sim
