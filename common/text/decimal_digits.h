#pragma once
// A finite double written as its first N significant decimal digits, and decimal rounding
// on that form. VB prints and rounds numbers on this decimal form, not on the binary value:
// 1.005 is 1.00499999999999989... in binary but "1.00500000000000" with 15 digits.

#include <string>

namespace qvl::text::detail {

struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits without trailing zeros; "" for zero
    int exponent = 0;    // the value is d1.d2d3... x 10^exponent
};

// `value` must be finite. The digits are the correctly rounded shortest form of at most
// `significantDigits` digits (the same on every platform).
DecimalDigits decimalDigitsOf(double value, int significantDigits);
DecimalDigits decimalDigitsOf(float value, int significantDigits);

enum class TieRule { AwayFromZero, ToEven };

// The magnitude rounded to `decimals` places after the point, as the digits of
// magnitude x 10^decimals (no leading zeros; "" when it rounds to zero).
std::string roundedScaledDigits(const DecimalDigits& number, int decimals, TieRule tie);

// Count of digits from the first significant digit down to the 10^-decimals place.
long long keptDigitCount(const DecimalDigits& number, int decimals);

}  // namespace qvl::text::detail
