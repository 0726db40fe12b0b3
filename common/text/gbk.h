#pragma once
// Code page 936 (GBK as Windows uses it): the encoding of the settings files.
//
// Table driven and identical on every platform. Single bytes 0x00-0x7F are ASCII and 0x80
// is the euro sign; a lead byte 0x81-0xFE followed by a trail byte 0x40-0x7E or 0x80-0xFE
// forms one double-byte character. 0xFF is never a character.

#include <cstddef>
#include <string>
#include <string_view>

namespace qvl::text {

bool isGbkLeadByte(unsigned char b);
bool isGbkTrailByte(unsigned char b);

// Bytes taken by the character that starts at `pos` (pos < bytes.size()): 2 for a lead
// byte followed by a trail byte, otherwise 1. Walking a text with this never desynchronises
// from gbkToUtf8, so ASCII-looking trail bytes ('[', ']', '\\', letters) are never taken
// for characters of their own.
std::size_t gbkCharLength(std::string_view bytes, std::size_t pos);

// UTF-8 to GBK. A character that GBK cannot hold, and each invalid UTF-8 byte, becomes '?'.
std::string utf8ToGbk(std::string_view utf8);

// GBK to UTF-8. Each byte that does not start a character (0xFF, a lead byte at the end of
// the text or before a non-trail byte) and each unmapped pair becomes '?'.
std::string gbkToUtf8(std::string_view bytes);

// True when the character has a GBK form (every ASCII character has).
bool isGbkRepresentable(char32_t codePoint);

}  // namespace qvl::text
