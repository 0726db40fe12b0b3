#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "common/profile/profile_text.h"
#include "common/text/gbk.h"
#include "common/text/utf16.h"
#include "common/text/utf8.h"

namespace qvl::profile {
namespace {

using namespace std::string_literals;
using text::utf8ToGbk;

struct ReadCase {
    std::string file;  // UTF-8 here; stored as GBK
    std::string section;
    std::string key;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.file) << " [" << c.section << "] " << c.key;
}

class ReadProfileTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadProfileTest, FindsTheValueAsWindowsDoes) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(readProfileString(utf8ToGbk(c.file), c.section, c.key, "<default>"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Matching, ReadProfileTest,
    ::testing::Values(ReadCase{"[自动投图]\r\n投影视角=3\r\n", "自动投图", "投影视角", "3"},
                      ReadCase{"[Settings]\r\nKey=v\r\n", "SETTINGS", "key", "v"},
                      ReadCase{"  [ Settings ]  \r\n  Key \t=  a value \t\r\n", "settings", "KEY", "a value"},
                      ReadCase{"[s]\r\nk=v\r\n", " s ", " k ", "v"},
                      ReadCase{"\v[ s\v]\v\r\n\vk\v=\v v\v\r\n", "s", "k", "v"},  // VT is a blank
                      ReadCase{"[生成加工单Drw]\r\n直径/R角=1\r\n", "生成加工单DRW", "直径/r角", "1"},
                      ReadCase{"[a]\r\nx=1\r\nx=2\r\n", "a", "x", "1"},  // first key line wins
                      ReadCase{"[a]\r\nx=1\r\n[b]\r\nx=2\r\n", "b", "x", "2"},
                      ReadCase{"[a]\r\ny=1\r\n[b]\r\nx=2\r\n[A]\r\nx=3\r\n", "a", "x",
                               "<default>"},  // first section only
                      ReadCase{"[a]\r\nx=a=b\r\n", "a", "x", "a=b"}, ReadCase{"[a]\r\nx=\r\n", "a", "x", ""},
                      ReadCase{"[a]\r\nx\r\n", "a", "x", "<default>"},  // no '='
                      ReadCase{"[a]\r\n;x=1\r\n", "a", "x", "<default>"},
                      ReadCase{"[a]\r\nnote\r\nx=1\r\n", "a", "x", "1"},
                      ReadCase{"[a\r\nx=1\r\n", "a", "x", "1"},  // header without ']'
                      ReadCase{"[a] trailing\r\nx=1\r\n", "a", "x", "1"},
                      ReadCase{"x=1\r\n[a]\r\ny=2\r\n", "a", "x", "<default>"},  // before any section
                      ReadCase{"x=1\r\ny=2\r\n", "a", "x", "<default>"},         // no section at all
                      ReadCase{"", "a", "x", "<default>"}, ReadCase{"[b]\r\nx=1\r\n", "a", "x", "<default>"},
                      ReadCase{"[ab]\r\nx=1\r\n", "a", "x", "<default>"},
                      ReadCase{"[a]\r\nxy=1\r\n", "a", "x", "<default>"}));

INSTANTIATE_TEST_SUITE_P(ValuesAndLineEnds, ReadProfileTest,
                         ::testing::Values(ReadCase{"[a]\r\nx=\"quoted value\"\r\n", "a", "x",
                                                    "quoted value"},
                                           ReadCase{"[a]\r\nx= \"  padded  \" \r\n", "a", "x", "  padded  "},
                                           ReadCase{"[a]\r\nx=\"\"\r\n", "a", "x", ""},
                                           ReadCase{"[a]\r\nx=\"\r\n", "a", "x", "\""},
                                           ReadCase{"[a]\r\nx=\"left\r\n", "a", "x", "\"left"},
                                           ReadCase{"[a]\r\nx= 'single' \r\n", "a", "x", "single"},
                                           ReadCase{"[a]\r\nx='mixed\"\r\n", "a", "x", "'mixed\""},
                                           ReadCase{"[a]\r\nx=\"a\" b \"c\"\r\n", "a", "x", "a\" b \"c"},
                                           ReadCase{"[a]\nx=lf\ny=2\n", "a", "x", "lf"},
                                           ReadCase{"[a]\rx=cr\ry=2\r", "a", "x", "cr"},
                                           ReadCase{"[a]\r\n\nx=mixed\r", "a", "x", "mixed"},
                                           ReadCase{"[a]\r\nx=last", "a", "x", "last"},
                                           ReadCase{"[a]\r\nx=C:\\out\\n1\r\n", "a", "x", "C:\\out\\n1"},
                                           ReadCase{"[a]\r\nx=张三\r\n", "a", "x", "张三"}));

// Names whose GBK trail bytes look like ASCII: 乚 is 81 5D (']'), 丄 is 81 41 ('A'), 乤 is 81 61 ('a').
TEST(ReadProfileNamesTest, TrailBytesAreNeverTakenForAsciiCharacters) {
    const std::string file = utf8ToGbk("[乚节]\r\n丄=upper\r\n乤=lower\r\n");
    EXPECT_EQ(readProfileString(file, "乚节", "丄", "-"), "upper");
    EXPECT_EQ(readProfileString(file, "乚节", "乤", "-"), "lower");
    EXPECT_EQ(readProfileString(file, "乚", "丄", "-"), "-");
}

TEST(ReadProfileBytesTest, DecodesGbkAndReplacesBrokenBytes) {
    EXPECT_EQ(readProfileString("[a]\r\nx=\xD6\xD0\xFF\xD6", "a", "x", ""), "中??");
    EXPECT_EQ(readProfileString("[a]\r\nx=\x80 5\r\n", "a", "x", ""), "€ 5");
    EXPECT_EQ(readProfileString("[a]\r\nx=ab\0cd\r\n"s, "a", "x", ""), "ab");  // ends at NUL
    EXPECT_EQ(readProfileString("\0\xFF\xFE[junk\r\n[a]\r\n\0=0\r\nx=1\r\n"s, "a", "x", ""), "1");
    EXPECT_EQ(readProfileString("[a]\r\nx=1\r\n", "a", "x", "ignored"), "1");
}

TEST(ReadProfileBufferTest, CutsTheValueToBufferSizeMinusOneGbkBytes) {
    std::string notes;
    for (int i = 0; i < 200; ++i) notes += "技";
    const std::string file = utf8ToGbk("[s]\r\nk=" + notes + "\r\n");
    // 255 bytes are 127 characters and the lead byte of the 128th, which reads as one '?'.
    EXPECT_EQ(readProfileString(file, "s", "k", ""), text::leftChars(notes, 127) + "?");
    EXPECT_EQ(readProfileString(file, "s", "k", "", 255), text::leftChars(notes, 127));
    EXPECT_EQ(readProfileString(file, "s", "k", "", kUnlimitedBuffer), notes);
    EXPECT_EQ(readProfileString(file, "s", "k", "x", 1), "");
    EXPECT_EQ(readProfileString(file, "s", "k", "x", 0), "");

    const std::string ascii(300, 'a');
    EXPECT_EQ(readProfileString("[s]\r\nk=" + ascii, "s", "k", "").size(), 255u);
    EXPECT_EQ(readProfileString("[s]\r\nk=\"" + ascii + "\"", "s", "k", ""), ascii.substr(0, 255));
    EXPECT_EQ(readProfileString("[s]\r\nk=\"ab\"", "s", "k", "", 3), "ab");
}

TEST(ReadProfileBufferTest, CutsTheDefaultInTheSameWay) {
    EXPECT_EQ(readProfileString("", "s", "k", "abc", 3), "ab");
    EXPECT_EQ(readProfileString("", "s", "k", "中文", 4), "中?");
    EXPECT_EQ(readProfileString("", "s", "k", "\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");  // fits: unchanged
    EXPECT_EQ(findProfileString("", "s", "k"), std::nullopt);
    EXPECT_EQ(findProfileString("[s]\r\nk=\r\n", "s", "k"), "");
}

TEST(ReadProfileSizeTest, HandlesMegabyteLinesAndManyLines) {
    std::string longValue;
    for (int i = 0; i < (1 << 19); ++i) longValue += "\xD6\xD0";  // 1 MB of 中
    const std::string file = "[s]\r\n" + std::string(1 << 20, 'g') + "\r\nk=" + longValue + "\r\n";
    EXPECT_EQ(text::charCount(readProfileString(file, "s", "k", "")), 128u);
    EXPECT_EQ(readProfileString(file, "s", "k", "", kUnlimitedBuffer).size(), 3u << 19);

    std::string manyLines = "[s]\r\n";
    for (int i = 0; i < 100000; ++i)
        manyLines += "key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    EXPECT_EQ(readProfileString(manyLines, "s", "key99999", ""), "99999");
    EXPECT_EQ(readProfileString(manyLines, "s", "missing", "none"), "none");
}

// The contents of a file's lines, whatever ends them.
template <class Unit>
std::vector<std::basic_string<Unit>> linesOf(std::basic_string_view<Unit> text) {
    std::vector<std::basic_string<Unit>> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = begin;
        while (end < text.size() && text[end] != Unit('\r') && text[end] != Unit('\n')) ++end;
        lines.emplace_back(text.substr(begin, end - begin));
        if (end < text.size() && text[end] == Unit('\r')) ++end;
        if (end < text.size() && text[end] == Unit('\n')) ++end;
        begin = end;
    }
    return lines;
}

// Writing one key changes at most one line of the file and adds at most two (a section header
// and the key): every other line stays, in its order.
template <class Unit>
::testing::AssertionResult keepsEveryOtherLine(std::basic_string_view<Unit> before,
                                               std::basic_string_view<Unit> after) {
    const auto a = linesOf(before);
    const auto b = linesOf(after);
    // The longest common subsequence of the two line lists.
    std::vector<std::vector<std::size_t>> common(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = a.size(); i-- > 0;) {
        for (std::size_t j = b.size(); j-- > 0;) {
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    if (common[0][0] + 1 >= a.size() && b.size() <= a.size() + 2) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a.size() << " lines became " << b.size() << ", " << common[0][0]
                                         << " of them kept";
}

TEST(ReadProfileRobustnessTest, RandomBytesNeverBreakReading) {
    std::mt19937 random(256);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet = "[]=\r\n ak\"\x81\xD6\xFF";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 300; ++round) {
        std::string file;
        for (int i = 0; i < 200; ++i)
            file += (i % 3 == 0) ? static_cast<char>(byte(random)) : alphabet[pick(random)];
        const std::string value = readProfileString(file, "a", "k", "d");
        EXPECT_LE(value.size(), 3u * 255);  // the euro byte becomes three UTF-8 bytes
        for (std::size_t pos = 0; pos < value.size(); pos += text::decodeUtf8At(value, pos).length) {
            ASSERT_TRUE(text::decodeUtf8At(value, pos).valid);
        }
        // Writing into garbage gives a file that reads back the written value and keeps the rest.
        const std::string written = writeProfileString(file, "a", "k", "v");
        EXPECT_EQ(readProfileString(written, "a", "k", "d"), "v");
        EXPECT_TRUE(keepsEveryOtherLine<char>(file, written));
    }
}

TEST(ReadProfileRobustnessTest, RandomUnicodeFilesStayUnicode) {
    std::mt19937 random(1200);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    const std::vector<std::u16string> pieces = {u"[a]", u"k=",  u" K\v=", u"[", u"]", u"=",      u"\r",    u"\n",
                                                u"\r\n", u" ",   u"a",     u"k", u"'", u"\"",     u"\v",    u"中",
                                                u"\0",   u"\xD800", u"\xDC00"};
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int round = 0; round < 300; ++round) {
        std::u16string units;
        for (int i = 0; i < 120; ++i) {
            if (i % 3 == 0) units += static_cast<char16_t>(unit(random));
            else units += pieces[pick(random)];
        }
        const std::string file = "\xFF\xFE" + text::unitsToUtf16le(units) + (round % 2 ? "\x7F" : "");
        const std::string value = readProfileString(file, "a", "k", "d");
        EXPECT_LE(text::utf8ToGbk(value).size(), 255u);
        EXPECT_EQ(text::gbkToUtf8(text::utf8ToGbk(value)), value);  // ANSI text, as the A function gives

        const std::string written = writeProfileString(file, "a", "k", "v");
        ASSERT_TRUE(written.starts_with("\xFF\xFE"));
        ASSERT_EQ(written.size() % 2, file.size() % 2);
        EXPECT_EQ(readProfileString(written, "a", "k", "d"), "v");
        const std::u16string writtenUnits = text::utf16leToUnits(std::string_view(written).substr(2));
        EXPECT_TRUE(keepsEveryOtherLine<char16_t>(units, writtenUnits));
        const auto writtenLines = linesOf<char16_t>(writtenUnits);
        EXPECT_TRUE(std::ranges::any_of(writtenLines, [](const auto& line) { return line == u"k=v" || line == u"K=v"; }));
    }
}

}  // namespace
}  // namespace qvl::profile
