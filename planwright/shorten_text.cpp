#include "planwright/shorten_text.h"

#include "common/automation/error.h"
#include "common/text/utf8.h"

namespace qvl::planwright {

std::string ShortenText(std::string_view text, std::int16_t n, std::string_view side) {
    if (n >= 0 && static_cast<std::size_t>(n) >= text::charCount(text)) return std::string(text);
    if (side != "R" && side != "L") return {};
    if (n < 0) throw automation::Error(automation::errc::invalidProcedureCall, "Invalid procedure call or argument");
    const auto count = static_cast<std::size_t>(n);
    if (side == "R") return ".." + text::rightChars(text, count);
    return text::leftChars(text, count) + "..";
}

}  // namespace qvl::planwright
