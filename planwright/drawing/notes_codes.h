#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace qvl::planwright {

// The technical-notes blocks of the template drawings: each is a sheet holding a view of the
// same name. Offered in this order by the window's notes box.
inline constexpr std::array<std::string_view, 8> notesCodes{
    "Notes_General", "Notes_Injection", "Notes_Stamping", "Notes_Machining",
    "Notes_Casting", "Notes_Rubber",    "Notes_Forging",  "Notes_Cust"};

inline bool isNotesCode(std::string_view code) {
    return std::find(notesCodes.begin(), notesCodes.end(), code) != notesCodes.end();
}

}  // namespace qvl::planwright
