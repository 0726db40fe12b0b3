#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "common/automation/error.h"
#include "common/automation/variant.h"

namespace qvl::testing {

// Helpers for the fake automation servers of the program tests.

// Refuses a call as a CATIA server does.
[[noreturn]] inline void refuse(const std::string& why) {
    throw automation::Error(automation::errc::serverFailure, why);
}

// A collection's Count.
inline automation::Variant count(std::size_t n) { return automation::Variant(static_cast<long long>(n)); }

// The position (from 0) that an Item argument names as a position from 1, or a refusal.
inline std::size_t positionFromOne(std::size_t size, const automation::Variant& index) {
    const long long i = index.toLong();
    if (i < 1 || i > static_cast<long long>(size)) refuse("No item " + std::to_string(i));
    return static_cast<std::size_t>(i - 1);
}

// The position (from 0) that an Item or Remove argument names: a position from 1 or a name.
template <class Items, class NameOf>
std::size_t position(const Items& items, const automation::Variant& key, NameOf nameOf) {
    if (key.kind() == automation::Variant::Kind::String) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (nameOf(*items[i]) == key.toString()) return i;
        }
        refuse("No item named " + key.toString());
    }
    return positionFromOne(items.size(), key);
}

// The length of a box of `size` seen along the direction d[offset..offset + 2].
template <class Size>
double along(const std::array<double, 6>& d, std::size_t offset, const Size& size) {
    return std::fabs(d[offset]) * size[0] + std::fabs(d[offset + 1]) * size[1] + std::fabs(d[offset + 2]) * size[2];
}

}  // namespace qvl::testing
