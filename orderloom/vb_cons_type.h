#pragma once

#include <cstdint>

namespace qvl::orderloom {

// Packing of 16-bit words into the 32-bit parameters of window messages.

// The low 16 bits of a 32-bit value, as a signed word.
std::int16_t LoWord(std::int32_t value);

// `high` in the upper word and `low` in the lower word.
std::int32_t MakeDWord(std::int16_t low, std::int16_t high);

// The lParam of a mouse message: x in the low word, y in the high word.
std::int32_t MakeLParam(std::int32_t x, std::int32_t y);

}  // namespace qvl::orderloom
