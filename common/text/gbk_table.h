#pragma once
// The generated double-byte table of code page 936 (see tools/gen_gbk_table.py).

#include <cstddef>
#include <cstdint>

namespace qvl::text::detail {

inline constexpr unsigned kGbkFirstLead = 0x81;
inline constexpr unsigned kGbkFirstTrail = 0x40;
inline constexpr std::size_t kGbkLeadCount = 0xFE - kGbkFirstLead + 1;
inline constexpr std::size_t kGbkTrailCount = 0xFE - kGbkFirstTrail + 1;

// kGbkToUnicode[lead - 0x81][trail - 0x40]: the character's code point, 0 if unmapped.
extern const std::uint16_t kGbkToUnicode[kGbkLeadCount][kGbkTrailCount];

}  // namespace qvl::text::detail
