#include "common/text/decimal_digits.h"

#include <array>
#include <charconv>
#include <string_view>

namespace qvl::text::detail {

namespace {

// Parses the output of to_chars in scientific form ("-1.2345e+05").
DecimalDigits fromScientific(std::string_view text) {
    DecimalDigits d;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e', pos);
    for (std::size_t i = pos; i < e; ++i) {
        if (text[i] != '.') d.digits += text[i];
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    d.exponent);
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.erase(last == std::string::npos ? 0 : last + 1);
    if (d.digits.empty()) d.exponent = 0;
    return d;
}

template <typename Float>
DecimalDigits digitsOf(Float value, int significantDigits) {
    std::array<char, 64> buffer{};
    const int precision = significantDigits < 1 ? 0 : significantDigits - 1;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, precision);
    return fromScientific(std::string_view(buffer.data(), result.ptr - buffer.data()));
}

void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

DecimalDigits decimalDigitsOf(double value, int significantDigits) {
    return digitsOf(value, significantDigits);
}

DecimalDigits decimalDigitsOf(float value, int significantDigits) {
    return digitsOf(value, significantDigits);
}

long long keptDigitCount(const DecimalDigits& number, int decimals) {
    return static_cast<long long>(number.exponent) + 1 + decimals;
}

std::string roundedScaledDigits(const DecimalDigits& number, int decimals, TieRule tie) {
    if (number.digits.empty()) return {};
    const long long keep = keptDigitCount(number, decimals);
    const auto size = static_cast<long long>(number.digits.size());
    if (keep >= size) return number.digits + std::string(static_cast<std::size_t>(keep - size), '0');
    if (keep < 0) return {};  // below half of the last kept place

    std::string kept = number.digits.substr(0, static_cast<std::size_t>(keep));
    const std::string_view dropped = std::string_view(number.digits).substr(static_cast<std::size_t>(keep));
    bool up = false;
    if (tie == TieRule::AwayFromZero) {
        up = dropped.front() >= '5';
    } else if (dropped.front() != '5') {
        up = dropped.front() > '5';
    } else if (dropped.size() > 1) {
        up = true;  // the digits carry no trailing zeros, so anything after the 5 is above half
    } else {
        up = !kept.empty() && (kept.back() - '0') % 2 == 1;
    }
    if (up) incrementDigits(kept);
    const std::size_t firstNonZero = kept.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string() : kept.substr(firstNonZero);
}

}  // namespace qvl::text::detail
