#pragma once
// UTF-16 texts: code units as the system's Unicode files and wide-character calls hold them.
//
// Conversions keep every code unit that a valid text has; they never refuse input. An invalid
// UTF-8 byte and an unpaired surrogate each become U+FFFD.

#include <string>
#include <string_view>

namespace qvl::text {

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view units);

// The code units of UTF-16LE bytes, two bytes a unit; a last odd byte is no unit and is left out.
std::u16string utf16leToUnits(std::string_view bytes);
// The UTF-16LE bytes of code units: utf16leToUnits(unitsToUtf16le(u)) == u for every u.
std::string unitsToUtf16le(std::u16string_view units);

}  // namespace qvl::text
