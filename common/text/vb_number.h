#pragma once
// Numbers as VB writes, rounds and reads them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvl::text {

// VB CStr of a Double: up to 15 significant digits, no trailing zeros or point, scientific
// ("1E+15", "1.5E+16", "1E-05") when the decimal exponent is >= 15 or < -4; "-0" is "0".
// Infinities and NaN are written as VB shows them: "1.#INF", "-1.#INF", "-1.#IND".
std::string cstr(double value);

// VB CStr of a Single: the same with 7 significant digits (scientific from 1E+07).
std::string cstrSingle(float value);

// VB Format(value, "0.00") with `decimals` zeros after the point ("0" for 0): rounds half
// away from zero on the 15-digit decimal form (1.005 -> "1.01"), keeps at least one digit
// before the point and never shows a sign on a result that rounds to zero. A negative
// `decimals` counts as 0.
std::string formatFixed(double value, int decimals);

// VB Round: half to even on the 15-digit decimal form (Round(2.5) = 2, Round(0.125, 2) =
// 0.12); the result is the double nearest to the rounded decimal (Round(0.1 + 0.2, 1) is
// exactly 0.3). When `decimals` reaches the 15th significant digit or beyond, the value
// comes back unchanged. A negative `decimals` counts as 0; a result of zero is +0.
double roundHalfEven(double value, int decimals = 0);

// VB Val: the longest leading number of the text, 0 when there is none. Blanks, tabs and
// line feeds are skipped wherever they stand ("1 2" -> 12). Reads a sign, digits, one
// decimal point and an exponent (E or D, optional sign, digits; "2e" reads 2), or a
// hexadecimal "&H" / octal "&O" number, which is a 16-bit Integer up to &HFFFF and a 32-bit
// Long up to &HFFFFFFFF (so "&HFFFF" is -1, as in VB). A decimal number beyond the range of
// a Double gives +/-infinity (VB raises an overflow there).
double val(std::string_view text);

// VB CDbl of a text, strictly: optional blanks/tabs around one decimal number (sign,
// digits, point, exponent E or D) and nothing else. nullopt for "", "12a", "1 2" and values
// beyond the range of a Double; values too small for a Double give 0.
std::optional<double> toDouble(std::string_view text);

// VB CInt / CLng of a text: toDouble, then half to even ("2.5" -> 2, "3.5" -> 4); nullopt
// when the text is no number or the result is out of range.
std::optional<std::int16_t> toInt16(std::string_view text);
std::optional<std::int32_t> toInt32(std::string_view text);

}  // namespace qvl::text
