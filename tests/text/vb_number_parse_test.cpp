#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "common/text/vb_number.h"

namespace qvl::text {
namespace {

using namespace std::string_literals;

struct ValCase {
    std::string text;
    double value;
};

void PrintTo(const ValCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.text) << " -> " << c.value;
}

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(val(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(UnitTexts, ValTest,
                         ::testing::Values(ValCase{"12.5mm", 12.5}, ValCase{"75mm", 75},
                                           ValCase{"3000turn_mn", 3000}, ValCase{"0.5 : 1", 0.5},
                                           ValCase{"1.250kg", 1.25}, ValCase{"12.5 cm^3", 12.5},
                                           ValCase{"1000mm/mn", 1000}, ValCase{"3 Dim", 3},
                                           ValCase{"2.5 days", 2.5}, ValCase{"1,000", 1},
                                           ValCase{"1.2.3", 1.2}, ValCase{"12\r3", 12}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, ValTest,
    ::testing::Values(ValCase{"-0.5", -0.5}, ValCase{".5", 0.5}, ValCase{"-.5", -0.5}, ValCase{"5.", 5},
                      ValCase{"+7", 7}, ValCase{"007", 7}, ValCase{"0.1", 0.1}, ValCase{"1e3", 1000},
                      ValCase{"1E+3x", 1000}, ValCase{"1.5e-2", 0.015}, ValCase{"2.5D2", 250},
                      ValCase{"2.5d-1", 0.25}, ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"4E-x", 4},
                      ValCase{"123456789012345678", 123456789012345678.0},
                      ValCase{"1.7976931348623157e308", std::numeric_limits<double>::max()}));

INSTANTIATE_TEST_SUITE_P(BlanksAnywhere, ValTest,
                         ::testing::Values(ValCase{"1 2", 12}, ValCase{"  \t\n42", 42}, ValCase{"- 5", -5},
                                           ValCase{"1 . 5", 1.5}, ValCase{"1\t2\n3", 123},
                                           ValCase{"12.5 e1 mm", 125}, ValCase{" 1 e 3", 1000}));

INSTANTIATE_TEST_SUITE_P(NoNumber, ValTest,
                         ::testing::Values(ValCase{"", 0}, ValCase{"abc", 0}, ValCase{"mm", 0},
                                           ValCase{".", 0}, ValCase{"-", 0}, ValCase{"--5", 0},
                                           ValCase{"+-5", 0}, ValCase{"e5", 0}, ValCase{"\r5", 0},
                                           ValCase{"\0"
                                                   "5"s,
                                                   0},
                                           ValCase{"中5", 0}));

INSTANTIATE_TEST_SUITE_P(RadixPrefixes, ValTest,
                         ::testing::Values(ValCase{"&HFF", 255}, ValCase{"&hff", 255},
                                           ValCase{"&H7FFF", 32767}, ValCase{"&H8000", -32768},
                                           ValCase{"&HFFFF", -1}, ValCase{"&HFFFF&", 65535},
                                           ValCase{"&H10000", 65536}, ValCase{"&H7FFFFFFF", 2147483647},
                                           ValCase{"&H80000000", -2147483648.0}, ValCase{"&HFFFFFFFF", -1},
                                           ValCase{"&H1Fzz", 31}, ValCase{"&O17", 15}, ValCase{"&o777", 511},
                                           ValCase{"&O177777", -1}, ValCase{"&O8", 0}, ValCase{"&H", 0},
                                           ValCase{"&", 0}, ValCase{"&Z1", 0}, ValCase{" & H 1 0", 16}));

TEST(ValTest, OutOfRangeNumbersGiveInfinityOrZero) {
    EXPECT_EQ(val("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(val("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(val("1e-400"), 0);
    EXPECT_EQ(val("1e99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(val("0e99999999999999999999"), 0);
    EXPECT_EQ(val("0.00000000000000000000001e320"), 1e297);
    EXPECT_EQ(val("1000000000000000000000000e-330"), 1e-306);
}

TEST(ValTest, ReadsMegabyteTextsInOnePass) {
    const std::string zeros(1 << 20, '0');
    EXPECT_EQ(val(zeros + "5mm"), 5);
    EXPECT_EQ(val("0." + zeros + "5"), 0);
    EXPECT_EQ(val("1" + zeros), std::numeric_limits<double>::infinity());
    EXPECT_EQ(val(std::string(1 << 20, ' ') + "8"), 8);
}

struct StrictCase {
    std::string text;
    std::optional<double> value;
};

void PrintTo(const StrictCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.text) << " -> " << ::testing::PrintToString(c.value);
}

class ToDoubleTest : public ::testing::TestWithParam<StrictCase> {};

TEST_P(ToDoubleTest, AcceptsOnlyAWholeNumber) {
    EXPECT_EQ(toDouble(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Valid, ToDoubleTest,
    ::testing::Values(StrictCase{"12", 12}, StrictCase{" 12 ", 12}, StrictCase{"\t-1.5\t", -1.5},
                      StrictCase{"+3", 3}, StrictCase{".5", 0.5}, StrictCase{"5.", 5}, StrictCase{"0", 0},
                      StrictCase{"1e3", 1000}, StrictCase{"1E-3", 0.001}, StrictCase{"2D2", 200},
                      StrictCase{"-0.000", 0}, StrictCase{"1e-400", 0}, StrictCase{"0.1", 0.1},
                      StrictCase{"1.7976931348623157E+308", std::numeric_limits<double>::max()}));

INSTANTIATE_TEST_SUITE_P(
    Invalid, ToDoubleTest,
    ::testing::Values(StrictCase{"", std::nullopt}, StrictCase{"   ", std::nullopt},
                      StrictCase{"12a", std::nullopt}, StrictCase{"a12", std::nullopt},
                      StrictCase{"1 2", std::nullopt}, StrictCase{".", std::nullopt},
                      StrictCase{"-", std::nullopt}, StrictCase{"+", std::nullopt},
                      StrictCase{"1e", std::nullopt}, StrictCase{"1e+", std::nullopt},
                      StrictCase{"1.2.3", std::nullopt}, StrictCase{"--1", std::nullopt},
                      StrictCase{"1e400", std::nullopt}, StrictCase{"-1e400", std::nullopt},
                      StrictCase{"&H10", std::nullopt}, StrictCase{"0.5 : 1", std::nullopt},
                      StrictCase{"1,000", std::nullopt}, StrictCase{"12\0"s, std::nullopt},
                      StrictCase{"12\n", std::nullopt}, StrictCase{"12.5mm", std::nullopt}));

struct IntCase {
    std::string text;
    std::optional<std::int32_t> value;
};

void PrintTo(const IntCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.text) << " -> " << ::testing::PrintToString(c.value);
}

class ToInt16Test : public ::testing::TestWithParam<IntCase> {};

TEST_P(ToInt16Test, RoundsHalfToEvenWithinRange) {
    const std::optional<std::int16_t> result = toInt16(GetParam().text);
    ASSERT_EQ(result.has_value(), GetParam().value.has_value()) << GetParam().text;
    if (result) {
        EXPECT_EQ(*result, *GetParam().value) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ToInt16Test,
                         ::testing::Values(IntCase{"0", 0}, IntCase{"1", 1}, IntCase{" 2 ", 2},
                                           IntCase{"2.5", 2}, IntCase{"3.5", 4}, IntCase{"-2.5", -2},
                                           IntCase{"-3.5", -4}, IntCase{"0.5", 0}, IntCase{"1.5", 2},
                                           IntCase{"2.5000000001", 3}, IntCase{"2.4999999999", 2},
                                           IntCase{"-0.5", 0}, IntCase{"32767", 32767},
                                           IntCase{"32767.4", 32767}, IntCase{"32767.5", std::nullopt},
                                           IntCase{"32768", std::nullopt}, IntCase{"-32768", -32768},
                                           IntCase{"-32768.5", -32768}, IntCase{"-32768.6", std::nullopt},
                                           IntCase{"-32769", std::nullopt}, IntCase{"1e4", 10000},
                                           IntCase{"1e5", std::nullopt}, IntCase{"abc", std::nullopt},
                                           IntCase{"", std::nullopt}, IntCase{"1x", std::nullopt}));

class ToInt32Test : public ::testing::TestWithParam<IntCase> {};

TEST_P(ToInt32Test, RoundsHalfToEvenWithinRange) {
    EXPECT_EQ(toInt32(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ToInt32Test,
                         ::testing::Values(IntCase{"4.5", 4}, IntCase{"5.5", 6}, IntCase{"-4.5", -4},
                                           IntCase{"40000", 40000}, IntCase{"2147483647", 2147483647},
                                           IntCase{"2147483647.4", 2147483647},
                                           IntCase{"2147483647.5", std::nullopt},
                                           IntCase{"2147483648", std::nullopt},
                                           IntCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                                           IntCase{"-2147483648.5", std::numeric_limits<std::int32_t>::min()},
                                           IntCase{"-2147483649", std::nullopt}, IntCase{"1e9", 1000000000},
                                           IntCase{"1e10", std::nullopt}, IntCase{"1e400", std::nullopt},
                                           IntCase{"x", std::nullopt}));

}  // namespace
}  // namespace qvl::text
