// Reading numbers: Val (lenient, leading number) and CDbl/CInt/CLng (strict, whole text).
#include <charconv>
#include <cmath>
#include <limits>

#include "common/text/vb_number.h"

namespace qvl::text {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Walks a text; in lenient mode (Val) blanks, tabs and line feeds are invisible.
class Cursor {
public:
    Cursor(std::string_view text, bool lenient) : text_(text), lenient_(lenient) {}

    char peek() {
        if (lenient_) {
            while (pos_ < text_.size() &&
                   (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n')) {
                ++pos_;
            }
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }
    bool atEnd() { return peek() == '\0' && pos_ >= text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    bool lenient_;
};

// A decimal number as read from a text, in the parts that from_chars needs.
struct DecimalText {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
    std::string exponentDigits;  // without leading zeros; "" for no exponent or 0
    bool negativeExponent = false;
};

// Reads sign, digits, point, digits and an optional complete exponent. Returns nullopt
// when there is no mantissa digit; an exponent without digits is left unread.
std::optional<DecimalText> readDecimal(Cursor& c) {
    DecimalText t;
    if (c.peek() == '+' || c.peek() == '-') {
        t.negative = c.peek() == '-';
        c.advance();
    }
    while (isDigit(c.peek())) {
        t.intDigits += c.peek();
        c.advance();
    }
    if (c.peek() == '.') {
        c.advance();
        while (isDigit(c.peek())) {
            t.fracDigits += c.peek();
            c.advance();
        }
    }
    if (t.intDigits.empty() && t.fracDigits.empty()) return std::nullopt;

    const char e = c.peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        Cursor afterMantissa = c;
        c.advance();
        bool negativeExponent = false;
        if (c.peek() == '+' || c.peek() == '-') {
            negativeExponent = c.peek() == '-';
            c.advance();
        }
        if (!isDigit(c.peek())) {
            c = afterMantissa;
            return t;
        }
        t.negativeExponent = negativeExponent;
        while (isDigit(c.peek())) {
            if (!(t.exponentDigits.empty() && c.peek() == '0')) t.exponentDigits += c.peek();
            c.advance();
        }
    }
    return t;
}

// The value of a decimal text; +/-infinity when it is too large for a double, +/-0 when it
// is too small.
double valueOf(const DecimalText& t) {
    // Exponents this long are out of range whatever the mantissa (which is capped at a few
    // million digits by any text we read); keeping them short keeps from_chars exact.
    constexpr std::size_t kMaxExponentDigits = 9;
    std::string exponent = t.exponentDigits;
    if (exponent.size() > kMaxExponentDigits) exponent = std::string(kMaxExponentDigits, '9');

    std::string text = (t.intDigits.empty() ? "0" : t.intDigits);
    if (!t.fracDigits.empty()) text += "." + t.fracDigits;
    if (!exponent.empty()) text += (t.negativeExponent ? "e-" : "e") + exponent;

    double magnitude = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        // Decimal exponent of the first significant digit decides between the two ends.
        const std::string digits = t.intDigits + t.fracDigits;
        const std::size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos) {
            magnitude = 0;
        } else {
            long long order = static_cast<long long>(t.intDigits.size()) - 1 - static_cast<long long>(first);
            const long long e = exponent.empty() ? 0 : std::stoll(exponent);
            order += t.negativeExponent ? -e : e;
            magnitude = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    }
    return t.negative ? -magnitude : magnitude;
}

// "&H1F" / "&O17" after the '&': 16-bit Integer up to &HFFFF, 32-bit Long up to &HFFFFFFFF,
// a trailing '&' (VB's Long suffix) keeps values up to &HFFFFFFFF as Long.
double readRadixNumber(Cursor& c) {
    const char kind = c.peek();
    int base = 0;
    if (kind == 'h' || kind == 'H') base = 16;
    if (kind == 'o' || kind == 'O') base = 8;
    if (base == 0) return 0;
    c.advance();
    double value = 0;
    for (int d = digitValue(c.peek(), base); d >= 0; d = digitValue(c.peek(), base)) {
        value = value * base + d;
        c.advance();
    }
    const bool longSuffix = c.peek() == '&';
    if (value <= 0xFFFF && !longSuffix) return value >= 0x8000 ? value - 0x10000 : value;
    if (value <= 0xFFFFFFFFu) return value >= 0x80000000u ? value - 4294967296.0 : value;
    return value;
}

template <typename Int>
std::optional<Int> toInteger(std::string_view text) {
    const std::optional<double> d = toDouble(text);
    if (!d) return std::nullopt;
    double r = std::floor(*d);
    const double fraction = *d - r;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(r);
}

}  // namespace

double val(std::string_view text) {
    Cursor c(text, true);
    if (c.peek() == '&') {
        c.advance();
        return readRadixNumber(c);
    }
    const std::optional<DecimalText> number = readDecimal(c);
    return number ? valueOf(*number) : 0.0;
}

std::optional<double> toDouble(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);

    Cursor c(text, false);
    const std::optional<DecimalText> number = readDecimal(c);
    if (!number || !c.atEnd()) return std::nullopt;
    const double value = valueOf(*number);
    if (std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<std::int16_t> toInt16(std::string_view text) { return toInteger<std::int16_t>(text); }

std::optional<std::int32_t> toInt32(std::string_view text) { return toInteger<std::int32_t>(text); }

}  // namespace qvl::text
