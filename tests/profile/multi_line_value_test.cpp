#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/profile/profile_text.h"
#include "common/text/gbk.h"
#include "common/text/utf8.h"

namespace qvl::profile {
namespace {

using namespace std::string_literals;

TEST(MultiLineValueTest, LeavesPlainValuesAsTheyAre) {
    for (const std::string& plain :
         {""s, "abc"s, "D:\\out\\n1"s, "\\\\server\\share\\r"s, "C:\\new"s, "中文 notes"s, "a\\"s, "\\"s,
          "\\u{41}"s, ":\\n"s, "\"quoted\""s, "  blanks  "s, "tab\there"s}) {
        EXPECT_EQ(encodeMultiLineValue(plain), plain) << plain;
        EXPECT_EQ(decodeMultiLineValue(plain), plain) << plain;
    }
}

TEST(MultiLineValueTest, LeavesMalformedMarkedValuesAsTheyAre) {
    for (const std::string& old :
         {"\\:"s.substr(0, 1), "\\:abc\\"s, "\\:\\q"s, "\\:D:\\out"s, "\\:\\u{110000}"s, "\\:\\u{D800}"s,
          "\\:\\u{}"s, "\\:\\u{1234567}"s, "\\:\\u41"s, "\\:\\u{4G}"s, "\\:\\u{41"s}) {
        EXPECT_EQ(decodeMultiLineValue(old), old) << old;
    }
}

struct EncodedCase {
    std::string text;
    std::string stored;
};

class EncodedFormTest : public ::testing::TestWithParam<EncodedCase> {};

TEST_P(EncodedFormTest, EscapesOnlyWhatALineCannotHold) {
    EXPECT_EQ(encodeMultiLineValue(GetParam().text), GetParam().stored);
    EXPECT_EQ(decodeMultiLineValue(GetParam().stored), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, EncodedFormTest,
    ::testing::Values(EncodedCase{"a\r\nb", "\\:a\\r\\nb"}, EncodedCase{"C:\\x\ny", "\\:C:\\\\x\\ny"},
                      EncodedCase{"\n", "\\:\\n"}, EncodedCase{"\r", "\\:\\r"},
                      EncodedCase{"\xE2\x80\xA2 item", "\\:\\u{2022} item"},  // bullet: no GBK form
                      EncodedCase{"x\xF0\x9F\x98\x80", "\\:x\\u{1F600}"}, EncodedCase{"a\0b"s, "\\:a\\u{0}b"},
                      EncodedCase{"\\:", "\\:\\\\:"},
                      EncodedCase{"\\:a\\nb", "\\:\\\\:a\\\\nb"},  // starts with the marker
                      EncodedCase{"技术要求：\r\n1.去毛刺€", "\\:技术要求：\\r\\n1.去毛刺€"}));

TEST(MultiLineValueTest, DecodesBothHexCases) {
    EXPECT_EQ(decodeMultiLineValue("\\:\\u{1f600}\\u{4E2D}"), "\xF0\x9F\x98\x80中");
}

std::string randomText(std::mt19937& random) {
    static const std::vector<std::string> pieces = {
        "a",  " ",   "\t",   "\r",       "\n", "\r\n", "\\",   "\\n", "\\r",          "\\:",
        ":",  "\"",  "{",    "}",        "u",  "中",   "技术", "€",   "\xE2\x80\xA2", "\xF0\x9F\x98\x80",
        "한", "\0"s, "\xFF", "\xE4\xB8", "=",  "[",    "]",    "'",   "\v"};
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    std::string text;
    for (int i = length(random); i > 0; --i) text += pieces[pick(random)];
    return text;
}

TEST(MultiLineValueTest, DecodeUndoesEncodeForAnyBytes) {
    std::mt19937 random(20);
    for (int round = 0; round < 5000; ++round) {
        const std::string text = randomText(random);
        const std::string stored = encodeMultiLineValue(text);
        ASSERT_EQ(decodeMultiLineValue(stored), text) << ::testing::PrintToString(text);
        ASSERT_EQ(stored.find_first_of("\r\n"s + '\0'), std::string::npos) << ::testing::PrintToString(text);
    }
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size(); pos += text::decodeUtf8At(s, pos).length) {
        if (!text::decodeUtf8At(s, pos).valid) return false;
    }
    return true;
}

TEST(ProfileTextTest, AnyValidTextComesBackWholeThroughTheFile) {
    std::mt19937 random(3);
    std::string file = text::utf8ToGbk("[生成加工单Drw]\r\n序号=1\r\n[other]\r\nx=1\r\n");
    for (int round = 0; round < 2000; ++round) {
        const std::string text = randomText(random);
        if (!isValidUtf8(text)) continue;  // the file is GBK: only whole characters are stored
        file = writeProfileText(file, "生成加工单Drw", "技术要求", text);
        ASSERT_EQ(readProfileText(file, "生成加工单Drw", "技术要求", "-"), text)
            << ::testing::PrintToString(text);
        ASSERT_EQ(readProfileString(file, "生成加工单Drw", "序号", "-"), "1");
        ASSERT_EQ(readProfileString(file, "other", "x", "-"), "1");
    }
}

TEST(ProfileTextTest, MultiLineNotesStayOnOneLineAndSurviveTheByteLimit) {
    std::string notes = "技术要求：\r\n";
    for (int i = 1; i <= 30; ++i) notes += std::to_string(i) + ".未注倒角C0.5，去毛刺锐边\r\n";
    ASSERT_GT(text::utf8ToGbk(notes).size(), 255u);
    const std::string file = writeProfileText(text::utf8ToGbk("[生成加工单Drw]\r\n编程=张三\r\n"),
                                              "生成加工单Drw", "技术要求", notes);

    EXPECT_EQ(readProfileText(file, "生成加工单Drw", "技术要求", ""), notes);
    EXPECT_EQ(readProfileString(file, "生成加工单Drw", "编程", ""), "张三");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3);  // header, 编程, 技术要求
    EXPECT_TRUE(
        readProfileString(file, "生成加工单Drw", "技术要求", "").starts_with("\\:技术要求：\\r\\n1."));
}

TEST(ProfileTextTest, KeepsSurroundingBlanksAndQuotes) {
    for (const std::string& text :
         {" lead"s, "trail\t"s, "\vvt"s, "\"quoted\""s, "\""s, "\" "s, "\"\""s, " \"x\" "s, "'张三'"s, "''"s}) {
        const std::string file = writeProfileText("", "s", "k", text);
        EXPECT_EQ(readProfileText(file, "s", "k", "-"), text) << text;
    }
}

TEST(ProfileTextTest, ReadsOldPlainValuesLikeReadProfileStringWithoutTheCut) {
    const std::string old =
        text::utf8ToGbk("[s]\r\npath=D:\\out\\n1\r\nq=\"x\"\r\nlong=" + std::string(400, 'y'));
    EXPECT_EQ(readProfileText(old, "s", "path", "-"), "D:\\out\\n1");
    EXPECT_EQ(readProfileText(old, "s", "q", "-"), "x");
    EXPECT_EQ(readProfileText(old, "s", "long", "-"), std::string(400, 'y'));
    EXPECT_EQ(readProfileText(old, "s", "missing", "\\:\\n"), "\\:\\n");  // the default is not decoded
}

}  // namespace
}  // namespace qvl::profile
