#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "common/text/vb_number.h"

namespace qvl::text {
namespace {

struct DoubleText {
    double value;
    std::string text;
};

void PrintTo(const DoubleText& c, std::ostream* out) { *out << c.value << " -> " << c.text; }

class CStrTest : public ::testing::TestWithParam<DoubleText> {};

TEST_P(CStrTest, WritesLikeVb) { EXPECT_EQ(cstr(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Fixed, CStrTest,
    ::testing::Values(DoubleText{0.0, "0"}, DoubleText{-0.0, "0"}, DoubleText{0.5, "0.5"},
                      DoubleText{-0.5, "-0.5"}, DoubleText{1.25, "1.25"}, DoubleText{12500, "12500"},
                      DoubleText{100, "100"}, DoubleText{1.0 / 3, "0.333333333333333"},
                      DoubleText{2.0 / 3, "0.666666666666667"}, DoubleText{0.1 + 0.2, "0.3"},
                      DoubleText{123.456, "123.456"}, DoubleText{40, "40"},
                      DoubleText{1e14, "100000000000000"}, DoubleText{123456789012345, "123456789012345"},
                      DoubleText{0.0001, "0.0001"}, DoubleText{0.00012345, "0.00012345"},
                      DoubleText{-1234.5, "-1234.5"}, DoubleText{99999.99999999999, "100000"}));

INSTANTIATE_TEST_SUITE_P(
    Scientific, CStrTest,
    ::testing::Values(DoubleText{1e15, "1E+15"}, DoubleText{1.5e16, "1.5E+16"}, DoubleText{1e-5, "1E-05"},
                      DoubleText{-1e-5, "-1E-05"}, DoubleText{1.25e-7, "1.25E-07"},
                      DoubleText{999999999999999.9, "1E+15"},  // rounds up into the next decade
                      DoubleText{1234567890123456, "1.23456789012346E+15"}, DoubleText{1e100, "1E+100"},
                      DoubleText{std::numeric_limits<double>::max(), "1.79769313486232E+308"},
                      DoubleText{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}));

TEST(CStrTest, WritesNonFiniteValuesAsVbShowsThem) {
    EXPECT_EQ(cstr(std::numeric_limits<double>::infinity()), "1.#INF");
    EXPECT_EQ(cstr(-std::numeric_limits<double>::infinity()), "-1.#INF");
    EXPECT_EQ(cstr(std::nan("")), "-1.#IND");
}

TEST(CStrSingleTest, UsesSevenSignificantDigits) {
    EXPECT_EQ(cstrSingle(0.1f), "0.1");
    EXPECT_EQ(cstrSingle(1.0f / 3), "0.3333333");
    EXPECT_EQ(cstrSingle(3.14159265f), "3.141593");
    EXPECT_EQ(cstrSingle(1234567.0f), "1234567");
    EXPECT_EQ(cstrSingle(1e7f), "1E+07");
    EXPECT_EQ(cstrSingle(12345678.0f), "1.234568E+07");
    EXPECT_EQ(cstrSingle(1e-5f), "1E-05");
    EXPECT_EQ(cstrSingle(-0.0f), "0");
    EXPECT_EQ(cstrSingle(2.5f), "2.5");
}

struct FixedCase {
    double value;
    int decimals;
    std::string text;
};

void PrintTo(const FixedCase& c, std::ostream* out) {
    *out << c.value << " with " << c.decimals << " decimals -> " << c.text;
}

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, RoundsHalfAwayFromZeroOnTheDecimalForm) {
    EXPECT_EQ(formatFixed(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Ties, FormatFixedTest,
                         ::testing::Values(FixedCase{1.005, 2, "1.01"}, FixedCase{-1.005, 2, "-1.01"},
                                           FixedCase{2.5, 0, "3"}, FixedCase{-2.5, 0, "-3"},
                                           FixedCase{0.5, 0, "1"}, FixedCase{1.5, 0, "2"},
                                           FixedCase{0.125, 2, "0.13"}, FixedCase{0.045, 2, "0.05"},
                                           FixedCase{2.675, 2, "2.68"}, FixedCase{1.45, 1, "1.5"},
                                           FixedCase{0.0005, 3, "0.001"}, FixedCase{9.995, 2, "10.00"},
                                           FixedCase{99.5, 0, "100"}, FixedCase{0.9999, 3, "1.000"}));

INSTANTIATE_TEST_SUITE_P(Plain, FormatFixedTest,
                         ::testing::Values(FixedCase{0, 2, "0.00"}, FixedCase{-0.0, 3, "0.000"},
                                           FixedCase{12.5, 1, "12.5"}, FixedCase{12.5, 3, "12.500"},
                                           FixedCase{1234.5678, 3, "1234.568"},
                                           FixedCase{0.00049, 3, "0.000"}, FixedCase{1e-7, 3, "0.000"},
                                           FixedCase{0.3, 0, "0"}, FixedCase{1.0000000000000002, 2, "1.00"},
                                           FixedCase{1e20, 2, "100000000000000000000.00"},
                                           FixedCase{123456789.125, 2, "123456789.13"}, FixedCase{3, -1, "3"},
                                           FixedCase{0.5, 0, "1"}, FixedCase{1.0 / 3, 4, "0.3333"}));

INSTANTIATE_TEST_SUITE_P(NoNegativeZero, FormatFixedTest,
                         ::testing::Values(FixedCase{-0.004, 2, "0.00"}, FixedCase{-0.005, 2, "-0.01"},
                                           FixedCase{-0.4, 0, "0"}, FixedCase{-0.5, 0, "-1"},
                                           FixedCase{-1e-20, 3, "0.000"}));

struct RoundCase {
    double value;
    int decimals;
    double rounded;
};

void PrintTo(const RoundCase& c, std::ostream* out) {
    *out << c.value << " with " << c.decimals << " decimals -> " << c.rounded;
}

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsLikeVbRound) {
    const double result = roundHalfEven(GetParam().value, GetParam().decimals);
    EXPECT_EQ(result, GetParam().rounded);
    EXPECT_FALSE(result == 0 && std::signbit(result)) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(Ties, RoundHalfEvenTest,
                         ::testing::Values(RoundCase{2.5, 0, 2}, RoundCase{3.5, 0, 4}, RoundCase{-2.5, 0, -2},
                                           RoundCase{-3.5, 0, -4}, RoundCase{0.5, 0, 0}, RoundCase{1.5, 0, 2},
                                           RoundCase{12345.5, 0, 12346}, RoundCase{0.125, 2, 0.12},
                                           RoundCase{0.375, 2, 0.38}, RoundCase{2.675, 2, 2.68},
                                           RoundCase{1.005, 2, 1}, RoundCase{0.285, 2, 0.28},
                                           RoundCase{-0.5, 0, 0}, RoundCase{9.5, 0, 10},
                                           RoundCase{0.05, 1, 0}));

INSTANTIATE_TEST_SUITE_P(NonTies, RoundHalfEvenTest,
                         ::testing::Values(RoundCase{2.4999, 0, 2}, RoundCase{2.5000001, 0, 3},
                                           RoundCase{-0.4, 0, 0}, RoundCase{1234.5678, 2, 1234.57},
                                           RoundCase{-1234.5678, 1, -1234.6}, RoundCase{1e20, 2, 1e20},
                                           RoundCase{0.1 + 0.2, 1, 0.3}, RoundCase{7, 0, 7},
                                           RoundCase{0.0, 3, 0}, RoundCase{2.5, -1, 2},
                                           RoundCase{0.001, 1, 0}));

TEST(RoundHalfEvenTest, GivesTheNearestDoubleWithinFifteenDigitsAndLeavesFinerPlacesAlone) {
    EXPECT_EQ(roundHalfEven(0.1 + 0.2, 14), 0.3);
    EXPECT_EQ(roundHalfEven(0.1 + 0.2, 15), 0.1 + 0.2);
    EXPECT_EQ(roundHalfEven(0.1 + 0.2, 20), 0.1 + 0.2);
    EXPECT_EQ(roundHalfEven(1.0 / 3, 20), 1.0 / 3);
    EXPECT_EQ(roundHalfEven(1.0 / 3, 14), 0.33333333333333);
    EXPECT_TRUE(std::isinf(roundHalfEven(std::numeric_limits<double>::infinity())));
}

}  // namespace
}  // namespace qvl::text
