#include "common/profile/multi_line_value.h"

#include <optional>

#include "common/text/gbk.h"
#include "common/text/utf8.h"

namespace qvl::profile {

namespace {

// True when a character cannot stand as it is in a one-line GBK value.
bool needsEscape(const text::Utf8Char& ch) {
    if (!ch.valid) return false;  // kept as its byte; only whole characters are escaped
    const char32_t c = ch.codePoint;
    return c == U'\r' || c == U'\n' || c == 0 || !text::isGbkRepresentable(c);
}

bool needsEncoding(std::string_view s) {
    if (s.starts_with(kMultiLineMarker)) return true;
    for (std::size_t pos = 0; pos < s.size();) {
        const text::Utf8Char ch = text::decodeUtf8At(s, pos);
        if (needsEscape(ch)) return true;
        pos += ch.length;
    }
    return false;
}

void appendHex(std::string& out, char32_t c) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kHex[c & 0xF]);
        c >>= 4;
    } while (c != 0);
    out += digits;
}

// Reads "{hex}" at `pos` (just after "\u"); returns the code point and moves `pos` past it.
std::optional<char32_t> readCodePoint(std::string_view s, std::size_t& pos) {
    if (pos >= s.size() || s[pos] != '{') return std::nullopt;
    const std::size_t close = s.find('}', pos);
    if (close == std::string_view::npos || close == pos + 1 || close - pos - 1 > 6) return std::nullopt;
    char32_t value = 0;
    for (std::size_t i = pos + 1; i < close; ++i) {
        const char h = s[i];
        int digit = -1;
        if (h >= '0' && h <= '9') digit = h - '0';
        if (h >= 'A' && h <= 'F') digit = h - 'A' + 10;
        if (h >= 'a' && h <= 'f') digit = h - 'a' + 10;
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<char32_t>(digit);
    }
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    pos = close + 1;
    return value;
}

}  // namespace

std::string encodeMultiLineValue(std::string_view utf8) {
    if (!needsEncoding(utf8)) return std::string(utf8);
    std::string out(kMultiLineMarker);
    out.reserve(utf8.size() + utf8.size() / 8 + 4);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const text::Utf8Char ch = text::decodeUtf8At(utf8, pos);
        if (ch.valid && ch.codePoint == U'\\') {
            out += "\\\\";
        } else if (ch.valid && ch.codePoint == U'\r') {
            out += "\\r";
        } else if (ch.valid && ch.codePoint == U'\n') {
            out += "\\n";
        } else if (needsEscape(ch)) {
            out += "\\u{";
            appendHex(out, ch.codePoint);
            out += '}';
        } else {
            out += utf8.substr(pos, ch.length);
        }
        pos += ch.length;
    }
    return out;
}

std::string decodeMultiLineValue(std::string_view stored) {
    if (!stored.starts_with(kMultiLineMarker)) return std::string(stored);
    std::string out;
    out.reserve(stored.size());
    for (std::size_t pos = kMultiLineMarker.size(); pos < stored.size();) {
        if (stored[pos] != '\\') {
            out += stored[pos++];
            continue;
        }
        if (pos + 1 >= stored.size()) return std::string(stored);
        const char kind = stored[pos + 1];
        pos += 2;
        if (kind == '\\') {
            out += '\\';
        } else if (kind == 'r') {
            out += '\r';
        } else if (kind == 'n') {
            out += '\n';
        } else if (kind == 'u') {
            const std::optional<char32_t> c = readCodePoint(stored, pos);
            if (!c) return std::string(stored);
            text::appendUtf8(out, *c);
        } else {
            return std::string(stored);
        }
    }
    return out;
}

}  // namespace qvl::profile
