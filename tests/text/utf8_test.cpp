#include "common/text/utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace qvl::text {
namespace {

using namespace std::string_literals;

// A text mixing ASCII, Chinese, a 4-byte character and invalid bytes of every kind.
const std::string kMixed =
    "a中\xF0\x9F\x98\x80"
    "b\xFF"
    "文\xE4\xB8"
    "c\xC0\xAF"
    "d"s;
// Its characters: a 中 😀 b \xFF 文 \xE4 \xB8 c \xC0 \xAF d
constexpr std::size_t kMixedCount = 12;

struct CountCase {
    std::string text;
    std::size_t count;
};

void PrintTo(const CountCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.text) << " -> " << c.count;
}

class CharCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CharCountTest, CountsCodePointsAndEachInvalidByte) {
    EXPECT_EQ(charCount(GetParam().text), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Texts, CharCountTest,
                         ::testing::Values(CountCase{"", 0}, CountCase{"abc", 3}, CountCase{"中文", 2},
                                           CountCase{"a中b", 3}, CountCase{"\xF0\x9F\x98\x80", 1},
                                           CountCase{"\xFF", 1}, CountCase{"\xE4\xB8", 2},  // truncated
                                           CountCase{"\xC0\xAF", 2},                        // overlong '/'
                                           CountCase{"\xED\xA0\x80", 3},                    // surrogate
                                           CountCase{"\xF4\x90\x80\x80", 4},                // above U+10FFFF
                                           CountCase{"\x80"
                                                     "abc",
                                                     4},  // stray continuation
                                           CountCase{"a\0b"s, 3}, CountCase{kMixed, kMixedCount}));

struct CutCase {
    std::string text;
    std::size_t n;
    std::string left;
    std::string right;
};

void PrintTo(const CutCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.text) << " n=" << c.n;
}

class LeftRightTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(LeftRightTest, CutsWholeCharacters) {
    EXPECT_EQ(leftChars(GetParam().text, GetParam().n), GetParam().left);
    EXPECT_EQ(rightChars(GetParam().text, GetParam().n), GetParam().right);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeftRightTest,
                         ::testing::Values(CutCase{"", 3, "", ""}, CutCase{"abc", 0, "", ""},
                                           CutCase{"abc", 2, "ab", "bc"}, CutCase{"abc", 3, "abc", "abc"},
                                           CutCase{"abc", 99, "abc", "abc"},
                                           CutCase{"技术要求", 1, "技", "求"},
                                           CutCase{"技术要求", 3, "技术要", "术要求"},
                                           CutCase{"x\xFF中", 2, "x\xFF", "\xFF中"},
                                           CutCase{"中\xE4\xB8", 2, "中\xE4", "\xE4\xB8"}));

TEST(MidCharsTest, StartsFromZeroAndNeverSplitsCharacters) {
    EXPECT_EQ(midChars("生成加工单", 0, 2), "生成");
    EXPECT_EQ(midChars("生成加工单", 2, 2), "加工");
    EXPECT_EQ(midChars("生成加工单", 4, 10), "单");
    EXPECT_EQ(midChars("生成加工单", 5, 1), "");
    EXPECT_EQ(midChars("生成加工单", 50, 1), "");
    EXPECT_EQ(midChars("生成加工单", 1, 0), "");
    EXPECT_EQ(midChars("生成加工单", 3), "工单");
    EXPECT_EQ(midChars("a\xFF\xFE"
                       "b",
                       1, 2),
              "\xFF\xFE");
}

TEST(MidCharsTest, PiecesReassembleTheTextAtEveryPosition) {
    for (std::size_t k = 0; k <= kMixedCount + 1; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(leftChars(kMixed, k) + midChars(kMixed, k), kMixed);
        EXPECT_EQ(leftChars(kMixed, k) + rightChars(kMixed, kMixedCount - std::min(k, kMixedCount)), kMixed);
        EXPECT_EQ(charCount(midChars(kMixed, k, 1)), k < kMixedCount ? 1u : 0u);
    }
}

TEST(TrimTest, RemovesOnlyAsciiBlanks) {
    EXPECT_EQ(trimLeftBlanks("  a b  "), "a b  ");
    EXPECT_EQ(trimRightBlanks("  a b  "), "  a b");
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("     "), "");
    EXPECT_EQ(trimBlanks(""), "");
    EXPECT_EQ(trimBlanks("\t x \t"), "\t x \t");
    EXPECT_EQ(trimBlanks("\xE3\x80\x80中\xE3\x80\x80"),
              "\xE3\x80\x80中\xE3\x80\x80");  // ideographic space stays
    EXPECT_EQ(trimBlanks(" \n "), "\n");
}

TEST(CaseTest, ChangesOnlyLatinLetters) {
    EXPECT_EQ(upperAscii("abz ABZ 09 _@[` {~ 中文 é"), "ABZ ABZ 09 _@[` {~ 中文 é");
    EXPECT_EQ(lowerAscii("ABZ abz 09 _@[` {~ 中文 É"), "abz abz 09 _@[` {~ 中文 É");
    EXPECT_EQ(upperAscii("a\xFF"
                         "b"),
              "A\xFF"
              "B");
}

TEST(Utf32Test, ConvertsBothWaysAndReplacesInvalidInput) {
    EXPECT_EQ(toUtf32("a中\xF0\x9F\x98\x80"), U"a中\U0001F600");
    EXPECT_EQ(fromUtf32(U"a中\U0001F600"), "a中\xF0\x9F\x98\x80");
    EXPECT_EQ(toUtf32("a\xFF"
                      "b"),
              U"a\uFFFDb");
    EXPECT_EQ(toUtf32("\xE4\xB8"), U"\uFFFD\uFFFD");
    EXPECT_EQ(fromUtf32(std::u32string{U'a', char32_t{0xD800}, char32_t{0x110000}}),
              "a\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(fromUtf32(std::u32string(1, U'\0')), "\0"s);
    const std::string valid =
        "边界 ~ \x7F \xC2\x80 \xDF\xBF \xE0\xA0\x80 \xEF\xBF\xBF \xF0\x90\x80\x80 \xF4\x8F\xBF\xBF";
    EXPECT_EQ(fromUtf32(toUtf32(valid)), valid);
    EXPECT_EQ(charCount(valid), toUtf32(valid).size());
}

TEST(FirstCharTest, TakesTheWholeFirstCharacter) {
    EXPECT_EQ(firstChar(""), "");
    EXPECT_EQ(firstChar("中x"), "中");
    EXPECT_EQ(firstChar("\xF0\x9F\x98\x80!"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(firstChar("\xFF"
                        "ab"),
              "\xFF");
    EXPECT_EQ(firstChar("\xE4\xB8"), "\xE4");
}

int sign(int v) { return (v > 0) - (v < 0); }

struct CompareCase {
    std::string a;
    std::string b;
    int expected;
};

void PrintTo(const CompareCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.a) << " vs " << ::testing::PrintToString(c.b);
}

class CompareTextTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareTextTest, OrdersLikeOptionCompareText) {
    const CompareCase& c = GetParam();
    EXPECT_EQ(sign(compareTextIgnoreCase(c.a, c.b)), c.expected);
    EXPECT_EQ(sign(compareTextIgnoreCase(c.b, c.a)), -c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, CompareTextTest,
    ::testing::Values(CompareCase{"", "", 0}, CompareCase{"Part1", "PART1", 0}, CompareCase{"abc", "ABD", -1},
                      CompareCase{"Part", "part2", -1}, CompareCase{"a_b", "aAb", -1},  // '_' before letters
                      CompareCase{"Z", "a", 1}, CompareCase{"9", "a", -1},
                      CompareCase{"中", "文", -1},  // U+4E2D < U+6587
                      CompareCase{"z", "中", -1}, CompareCase{"中\xFF", "中\xF0\x9F\x98\x80", 1},
                      CompareCase{"\xFE", "\xFF", -1}, CompareCase{"Product10", "product2", -1},
                      CompareCase{"É", "é", -1}));  // only Latin A-Z fold

}  // namespace
}  // namespace qvl::text
