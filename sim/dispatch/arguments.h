#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
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

// Fills an output array that the caller passed by reference, as CATIA fills one: the caller
// dimensions it first (`Dim box(3)`). Anything but an array fails with error 13, "Type
// mismatch"; an array too short for the values is refused.
void fillOutArray(automation::Variant& out, std::initializer_list<double> values);

}  // namespace qvl::sim
