// Writing and rounding numbers: CStr, Format(x, "0.00"), Round.
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/text/decimal_digits.h"
#include "common/text/vb_number.h"

namespace qvl::text {

namespace {

using detail::DecimalDigits;
using detail::TieRule;

std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "-1.#IND";
    return value < 0 ? "-1.#INF" : "1.#INF";
}

// The general format of VB: fixed notation for exponents in [-5, precision), else "dE+xx".
std::string generalText(const DecimalDigits& d, int precision) {
    if (d.digits.empty()) return "0";
    std::string out = d.negative ? "-" : "";
    const int e = d.exponent;
    if (e >= precision || e < -4) {
        out += d.digits.front();
        if (d.digits.size() > 1) {
            out += '.';
            out.append(d.digits, 1);
        }
        const int magnitude = std::abs(e);
        out += e < 0 ? "E-" : "E+";
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (e >= 0) {
        const auto intDigits = static_cast<std::size_t>(e) + 1;
        if (d.digits.size() <= intDigits) {
            out += d.digits + std::string(intDigits - d.digits.size(), '0');
        } else {
            out += d.digits.substr(0, intDigits) + "." + d.digits.substr(intDigits);
        }
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digits;
    }
    return out;
}

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

}  // namespace

std::string cstr(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    return generalText(detail::decimalDigitsOf(value, kDoubleDigits), kDoubleDigits);
}

std::string cstrSingle(float value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    return generalText(detail::decimalDigitsOf(value, kSingleDigits), kSingleDigits);
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (decimals < 0) decimals = 0;
    const DecimalDigits d = detail::decimalDigitsOf(value, kDoubleDigits);
    std::string scaled = detail::roundedScaledDigits(d, decimals, TieRule::AwayFromZero);
    const bool negative = d.negative && !scaled.empty();
    const auto places = static_cast<std::size_t>(decimals);
    if (scaled.size() < places + 1) scaled.insert(0, places + 1 - scaled.size(), '0');
    if (places > 0) scaled.insert(scaled.size() - places, 1, '.');
    return negative ? "-" + scaled : scaled;
}

double roundHalfEven(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    if (decimals < 0) decimals = 0;
    const DecimalDigits d = detail::decimalDigitsOf(value, kDoubleDigits);
    // Rounding below the 15th significant digit changes nothing VB would show.
    if (detail::keptDigitCount(d, decimals) >= kDoubleDigits) return value == 0 ? 0.0 : value;
    const std::string scaled = detail::roundedScaledDigits(d, decimals, TieRule::ToEven);
    if (scaled.empty()) return 0.0;
    const std::string text = scaled + "e-" + std::to_string(decimals);
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return d.negative ? -result : result;
}

}  // namespace qvl::text
