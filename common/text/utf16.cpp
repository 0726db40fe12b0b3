#include "common/text/utf16.h"

#include "common/text/utf8.h"

namespace qvl::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string units;
    units.reserve(utf8.size());
    for (const char32_t c : toUtf32(utf8)) {  // an invalid byte is U+FFFD there
        if (c < 0x10000) {
            units += static_cast<char16_t>(c);
        } else {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string utf16ToUtf8(std::u16string_view units) {
    std::string utf8;
    utf8.reserve(units.size() * 3);
    for (std::size_t pos = 0; pos < units.size(); ++pos) {
        const char16_t u = units[pos];
        if (isHighSurrogate(u) && pos + 1 < units.size() && isLowSurrogate(units[pos + 1])) {
            appendUtf8(utf8, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(units[++pos]) - 0xDC00));
        } else {
            appendUtf8(utf8, isHighSurrogate(u) || isLowSurrogate(u) ? kReplacement : char32_t(u));
        }
    }
    return utf8;
}

std::u16string utf16leToUnits(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return units;
}

std::string unitsToUtf16le(std::u16string_view units) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t u : units) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

}  // namespace qvl::text
