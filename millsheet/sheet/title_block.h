#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qvl::millsheet {

// The named texts of the machining sheet's title block, in the order in which they are
// written. The names are case-sensitive ("x0", "y0", "z0").
inline constexpr std::size_t machiningTitleTextCount = 21;
inline constexpr std::array<std::string_view, machiningTitleTextCount> machiningTitleTextNames{
    "PartName1", "PartNumber1", "NCMade1", "Date1",    "Material1", "Size1",   "x0",
    "y0",        "z0",          "FixMethod1", "FilePath1", "OP1",    "Machine1", "Check1",
    "Date2",     "Approval1",   "Date3",   "TecNotes1", "DocNo1",  "DocRev1", "ECNNo1"};

// One value per title text, in the same order.
using MachiningTitleValues = std::array<std::string, machiningTitleTextCount>;

}  // namespace qvl::millsheet
