#include "common/text/gbk.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "common/text/utf8.h"

namespace qvl::text {
namespace {

using namespace std::string_literals;

bool isValidUtf8(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size();) {
        const Utf8Char ch = decodeUtf8At(s, pos);
        if (!ch.valid) return false;
        pos += ch.length;
    }
    return true;
}

struct KnownCase {
    std::string utf8;
    std::string gbk;
};

void PrintTo(const KnownCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.utf8) << " <-> " << ::testing::PrintToString(c.gbk);
}

class GbkKnownTextTest : public ::testing::TestWithParam<KnownCase> {};

TEST_P(GbkKnownTextTest, EncodesAndDecodesAsCodePage936) {
    EXPECT_EQ(utf8ToGbk(GetParam().utf8), GetParam().gbk);
    EXPECT_EQ(gbkToUtf8(GetParam().gbk), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GbkKnownTextTest,
    ::testing::Values(KnownCase{"", ""}, KnownCase{"Conf1.ini [x]=\\", "Conf1.ini [x]=\\"},
                      KnownCase{"a\0\x7F"s, "a\0\x7F"s}, KnownCase{"中文", "\xD6\xD0\xCE\xC4"},
                      KnownCase{"自动投图", "\xD7\xD4\xB6\xAF\xCD\xB6\xCD\xBC"},
                      KnownCase{"生成加工单Drw",
                                "\xC9\xFA\xB3\xC9\xBC\xD3\xB9\xA4\xB5\xA5"
                                "Drw"},
                      KnownCase{"直径/R角", "\xD6\xB1\xBE\xB6/R\xBD\xC7"},
                      KnownCase{"€", "\x80"},                                     // Windows' single-byte euro
                      KnownCase{"丂", "\x81\x40"},                                // first pair of the table
                      KnownCase{"\xEF\xA8\xA9", "\xFE\x4F"},                      // U+FA29, last row
                      KnownCase{"乚", "\x81\x5D"},                                // trail byte looks like ']'
                      KnownCase{"昞", "\x95\x5C"},                                // trail byte looks like '\'
                      KnownCase{"\xE3\x80\x80·—", "\xA1\xA1\xA1\xA4\xA1\xAA"}));  // U+3000, U+00B7, U+2014

TEST(GbkEncodeTest, ReplacesWhatGbkCannotHoldWithQuestionMarks) {
    EXPECT_EQ(utf8ToGbk("a\xF0\x9F\x98\x80"
                        "b"),
              "a?b");                                       // emoji
    EXPECT_EQ(utf8ToGbk("\xE2\x80\xA2 item"), "? item");    // U+2022 bullet
    EXPECT_EQ(utf8ToGbk("한글"), "??");                     // Hangul
    EXPECT_EQ(utf8ToGbk("\xFF中\xE4\xB8"), "?\xD6\xD0??");  // invalid UTF-8 bytes, one '?' each
}

TEST(GbkDecodeTest, TurnsBrokenSequencesIntoQuestionMarks) {
    EXPECT_EQ(gbkToUtf8("\xD6"), "?");  // lead byte cut off at the end
    EXPECT_EQ(gbkToUtf8("ab\xD6\xD0\xCE"), "ab中?");
    EXPECT_EQ(gbkToUtf8("\xD6"
                        "0"),
              "?0");  // lead before a byte that is no trail
    EXPECT_EQ(gbkToUtf8("\xD6\x7F"), "?\x7F");
    EXPECT_EQ(gbkToUtf8("\xD6\xFF"), "??");
    EXPECT_EQ(gbkToUtf8("\xFF"
                        "x"),
              "?x");
    EXPECT_EQ(gbkToUtf8("\xA2\xA0"), "?");  // well-formed pair with no character
    EXPECT_EQ(gbkToUtf8("\xFE\xFE"
                        "a"),
              "?a");
    EXPECT_EQ(gbkToUtf8("\xD6\r\n"), "?\r\n");  // line ends survive a cut character
}

TEST(GbkCharLengthTest, PairsOnlyLeadAndTrail) {
    EXPECT_EQ(gbkCharLength("\x81]", 0), 2u);
    EXPECT_EQ(gbkCharLength("\x81]", 1), 1u);
    EXPECT_EQ(gbkCharLength("\x81", 0), 1u);
    EXPECT_EQ(gbkCharLength("\x81"
                            "0",
                            0),
              1u);
    EXPECT_EQ(gbkCharLength("\x80\x40", 0), 1u);
    EXPECT_EQ(gbkCharLength("\xFF\x40", 0), 1u);
    EXPECT_EQ(gbkCharLength("a\xFE\xFE", 1), 2u);
}

TEST(GbkRoundTripTest, AllUnifiedIdeographsOfGbkSurvive) {
    std::string utf8;
    for (char32_t c = 0x4E00; c <= 0x9FA5; ++c) appendUtf8(utf8, c);
    const std::string gbk = utf8ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 2u * (0x9FA5 - 0x4E00 + 1));
    EXPECT_EQ(gbk.find('?'), std::string::npos);
    EXPECT_EQ(gbkToUtf8(gbk), utf8);
}

TEST(GbkRoundTripTest, EveryDecodablePairEncodesBackToItself) {
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = gbkToUtf8(pair);
            if (utf8.find('?') != std::string::npos) continue;  // no character
            ++characters;
            ASSERT_TRUE(isValidUtf8(utf8)) << lead << " " << trail;
            ASSERT_EQ(utf8ToGbk(utf8), pair) << lead << " " << trail;
        }
    }
    EXPECT_EQ(characters, 21791);
}

TEST(GbkRoundTripTest, EveryPrefixOfACutTextDecodesToAPrefixAndAtMostOneQuestionMark) {
    const std::string utf8 = "技术要求：1.未注倒角C0.5；2.去毛刺€";
    const std::string gbk = utf8ToGbk(utf8);
    for (std::size_t n = 0; n <= gbk.size(); ++n) {
        const std::string decoded = gbkToUtf8(gbk.substr(0, n));
        const bool cleanCut = utf8.starts_with(decoded);
        const bool cutInPair =
            decoded.ends_with("?") && utf8.starts_with(decoded.substr(0, decoded.size() - 1));
        EXPECT_TRUE(cleanCut || cutInPair) << n << ": " << decoded;
    }
}

TEST(GbkRobustnessTest, RandomBytesDecodeToValidUtf8) {
    std::mt19937 random(936);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(byte(random)), '\0');
        for (char& b : bytes) b = static_cast<char>(byte(random));
        const std::string utf8 = gbkToUtf8(bytes);
        ASSERT_TRUE(isValidUtf8(utf8));
        EXPECT_LE(utf8ToGbk(utf8).size(), bytes.size());
    }
}

}  // namespace
}  // namespace qvl::text
