#include "common/text/utf8.h"

#include <algorithm>
#include <cstdint>

namespace qvl::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

bool isValidCodePoint(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Byte offset just after the first `n` characters (or s.size()).
std::size_t offsetAfterChars(std::string_view s, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < n && pos < s.size(); ++i) pos += decodeUtf8At(s, pos).length;
    return pos;
}

// Sort key of one character for compareTextIgnoreCase.
std::uint32_t compareKey(const Utf8Char& ch, unsigned char firstByte) {
    if (!ch.valid) return 0x110000u + firstByte;
    char32_t c = ch.codePoint;
    if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
    return static_cast<std::uint32_t>(c);
}

}  // namespace

Utf8Char decodeUtf8At(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) return {};
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) return {b0, 1, true};

    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, value = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, value = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, value = b0 & 0x07, minimum = 0x10000;
    } else {
        return {kReplacement, 1, false};
    }
    if (s.size() - pos < length) return {kReplacement, 1, false};
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if (!isContinuation(b)) return {kReplacement, 1, false};
        value = (value << 6) | (b & 0x3F);
    }
    if (value < minimum || !isValidCodePoint(value)) return {kReplacement, 1, false};
    return {value, length, true};
}

void appendUtf8(std::string& out, char32_t c) {
    if (!isValidCodePoint(c)) c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t charCount(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < s.size(); pos += decodeUtf8At(s, pos).length) ++count;
    return count;
}

std::string leftChars(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, offsetAfterChars(s, n)));
}

std::string rightChars(std::string_view s, std::size_t n) {
    const std::size_t total = charCount(s);
    if (n >= total) return std::string(s);
    return std::string(s.substr(offsetAfterChars(s, total - n)));
}

std::string midChars(std::string_view s, std::size_t start, std::size_t n) {
    const std::size_t from = offsetAfterChars(s, start);
    const std::string_view rest = s.substr(from);
    return std::string(rest.substr(0, offsetAfterChars(rest, n)));
}

std::string midChars(std::string_view s, std::size_t start) {
    return std::string(s.substr(offsetAfterChars(s, start)));
}

std::string trimLeftBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string trimRightBlanks(std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string trimBlanks(std::string_view s) { return trimRightBlanks(trimLeftBlanks(s)); }

// Bytes A-Z / a-z never occur inside a multi-byte UTF-8 sequence, so a byte-wise change is safe.
std::string upperAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), asciiUpper);
    return out;
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), asciiLower);
    return out;
}

std::u32string toUtf32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const Utf8Char ch = decodeUtf8At(s, pos);
        out += ch.codePoint;
        pos += ch.length;
    }
    return out;
}

std::string fromUtf32(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) appendUtf8(out, c);
    return out;
}

std::string firstChar(std::string_view s) {
    if (s.empty()) return {};
    return std::string(s.substr(0, decodeUtf8At(s, 0).length));
}

int compareTextIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const Utf8Char ca = decodeUtf8At(a, i);
        const Utf8Char cb = decodeUtf8At(b, j);
        const std::uint32_t ka = compareKey(ca, static_cast<unsigned char>(a[i]));
        const std::uint32_t kb = compareKey(cb, static_cast<unsigned char>(b[j]));
        if (ka != kb) return ka < kb ? -1 : 1;
        i += ca.length;
        j += cb.length;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace qvl::text
