#include "orderloom/vb_cons_type.h"

namespace qvl::orderloom {

std::int16_t LoWord(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu));
}

std::int32_t MakeDWord(std::int16_t low, std::int16_t high) {
    std::uint32_t word = (static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16) |
                         static_cast<std::uint16_t>(low);
    return static_cast<std::int32_t>(word);
}

std::int32_t MakeLParam(std::int32_t x, std::int32_t y) { return MakeDWord(LoWord(x), LoWord(y)); }

}  // namespace qvl::orderloom
