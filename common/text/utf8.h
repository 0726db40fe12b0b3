#pragma once
// UTF-8 text helpers with VB string semantics measured in characters (code points).
//
// Every function accepts arbitrary bytes. A byte that does not start a complete, valid
// UTF-8 sequence (stray continuation byte, truncated or overlong sequence, surrogate,
// code point above U+10FFFF) is one character of its own, so no function ever splits a
// valid character and invalid bytes pass through unchanged.

#include <cstddef>
#include <string>
#include <string_view>

namespace qvl::text {

// One character of a UTF-8 text as found at a byte position.
struct Utf8Char {
    char32_t codePoint = 0;  // U+FFFD when !valid
    std::size_t length = 0;  // bytes taken: 1..4 (1 for an invalid byte); 0 only at the end
    bool valid = false;
};

// Decodes the character that starts at byte `pos` (pos < s.size()).
Utf8Char decodeUtf8At(std::string_view s, std::size_t pos);

// Appends the UTF-8 form of `codePoint`; surrogates and values above U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);

// Number of characters; each invalid byte counts as one.
std::size_t charCount(std::string_view s);

// VB Left/Right/Mid in characters. `start` counts from 0. Asking for more characters than
// there are gives what there is; a start beyond the end gives "".
std::string leftChars(std::string_view s, std::size_t n);
std::string rightChars(std::string_view s, std::size_t n);
std::string midChars(std::string_view s, std::size_t start, std::size_t n);
std::string midChars(std::string_view s, std::size_t start);  // to the end

// VB LTrim/RTrim/Trim: removes blanks (U+0020 only; tabs and other spaces stay).
std::string trimLeftBlanks(std::string_view s);
std::string trimRightBlanks(std::string_view s);
std::string trimBlanks(std::string_view s);

// VB UCase/LCase for the Latin letters A-Z; every other character is unchanged.
std::string upperAscii(std::string_view s);
std::string lowerAscii(std::string_view s);

// Conversions; invalid bytes become U+FFFD in UTF-32, invalid code points U+FFFD in UTF-8.
std::u32string toUtf32(std::string_view s);
std::string fromUtf32(std::u32string_view s);

// The first character (all of its bytes), or "" for an empty text.
std::string firstChar(std::string_view s);

// Text comparison in the manner of VB's "Option Compare Text": Latin letters compare
// without regard to case (as lower case), all other characters by code point; invalid
// bytes sort after every valid character, by byte value. Returns <0, 0 or >0.
int compareTextIgnoreCase(std::string_view a, std::string_view b);

}  // namespace qvl::text
