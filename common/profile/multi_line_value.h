#pragma once
// Keeping any text whole in a one-line profile value.
//
// A profile value is one line of GBK text whose surrounding blanks are trimmed on reading.
// encodeMultiLineValue turns a text into such a line without loss; decodeMultiLineValue
// turns it back. Texts that a plain value holds as they are stay unchanged, so files
// written before this form existed read exactly as before.
//
// The encoded form is the marker "\:" followed by the text with these escapes:
//     "\\"  a backslash        "\r"  CR        "\n"  LF
//     "\u{hex}"  a character by its code point: NUL and every character that GBK cannot
//                hold (for example U+2022 BULLET), which would otherwise be stored as '?'.
// encodeMultiLineValue uses it only when the text contains CR, LF, NUL or a character
// without a GBK form, or when the text itself starts with the marker; any other text is
// returned unchanged.
//
// decodeMultiLineValue decodes only a text that starts with the marker AND in which every
// later backslash begins one of the escapes above; every other text comes back unchanged.
// So old values with backslashes, such as the path "D:\out\n1" or "\\server\share", are not
// touched: the marker is a backslash followed by a colon, which no Windows path starts
// with, and a decoded value needs every backslash well-formed too. The only old values that
// would read differently start with "\:" and contain no stray backslash, which plain
// settings texts do not.
//
// decodeMultiLineValue(encodeMultiLineValue(x)) == x for every byte string x (bytes that
// are not valid UTF-8 are kept as they are).

#include <string>
#include <string_view>

namespace qvl::profile {

inline constexpr std::string_view kMultiLineMarker = "\\:";

std::string encodeMultiLineValue(std::string_view utf8);
std::string decodeMultiLineValue(std::string_view stored);

}  // namespace qvl::profile
