#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "common/profile/profile_text.h"
#include "common/text/gbk.h"

namespace qvl::profile {
namespace {

using namespace std::string_literals;
using text::utf8ToGbk;

struct WriteCase {
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.before) << " [" << c.section << "] " << c.key << "=" << c.value;
}

class WriteProfileTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteProfileTest, ChangesOnlyTheKeyLine) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(writeProfileString(c.before, c.section, c.key, c.value), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Replace, WriteProfileTest,
    ::testing::Values(
        WriteCase{"[s]\r\nk=old\r\n", "s", "k", "new", "[s]\r\nk=new\r\n"},
        WriteCase{"[S]\r\nMyKey=old\r\n", "s", "mykey", "new", "[S]\r\nMyKey=new\r\n"},  // spelling kept
        WriteCase{"[s]\r\n  Key \t= old  \r\nz=1\r\n", "s", "key", "new", "[s]\r\nKey=new\r\nz=1\r\n"},
        WriteCase{"[s]\nk=old\nz=1\n", "s", "k", "new", "[s]\nk=new\nz=1\n"},  // line end kept
        WriteCase{"[s]\r\nk=old", "s", "k", "new", "[s]\r\nk=new"},
        WriteCase{"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "3", "[s]\r\nk=3\r\nk=2\r\n"},
        WriteCase{"[s]\r\nk=1\r\n[s]\r\nk=2\r\n", "s", "k", "3", "[s]\r\nk=3\r\n[s]\r\nk=2\r\n"},
        WriteCase{"[s]\r\nk=1\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
        WriteCase{"[s]\r\nk=1\r\n", "s", "k", " spaced ", "[s]\r\nk= spaced \r\n"}));

INSTANTIATE_TEST_SUITE_P(
    Append, WriteProfileTest,
    ::testing::Values(WriteCase{"", "s", "k", "v", "[s]\r\nk=v\r\n"},
                      WriteCase{"[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "z", "3",
                                "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n"},
                      WriteCase{"[a]\r\n\r\n[b]\r\n", "a", "z", "3", "[a]\r\nz=3\r\n\r\n[b]\r\n"},
                      WriteCase{"[a]\r\n; note\r\n  \r\n[b]\r\n", "a", "z", "3",
                                "[a]\r\n; note\r\nz=3\r\n  \r\n[b]\r\n"},
                      WriteCase{"[a]", "a", "z", "3", "[a]\r\nz=3\r\n"},
                      WriteCase{"[a]\nx=1", "a", "z", "3", "[a]\nx=1\r\nz=3\r\n"},
                      WriteCase{"[a]\r\nx=1", "b", "k", "v", "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
                      WriteCase{"[a]\r\nx=1\r\n", "b", "k", "v", "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
                      WriteCase{"[a]\r", "b", "k", "v", "[a]\r[b]\r\nk=v\r\n"},
                      WriteCase{"orphan=1\r\n", "s", "orphan", "2", "orphan=1\r\n[s]\r\norphan=2\r\n"},
                      WriteCase{"[ab]\r\nk=1\r\n", "a", "k", "2", "[ab]\r\nk=1\r\n[a]\r\nk=2\r\n"}));

INSTANTIATE_TEST_SUITE_P(OneLineOnly, WriteProfileTest,
                         ::testing::Values(WriteCase{"", "s", "k", "line1\r\n[x]\r\nk=2",
                                                     "[s]\r\nk=line1\r\n"},
                                           WriteCase{"[s]\r\nk=old\r\n", "s", "k", "a\nb", "[s]\r\nk=a\r\n"},
                                           WriteCase{"", "s", "k", "a\0b"s, "[s]\r\nk=a\r\n"},
                                           WriteCase{"", " s ", " k\r\nx", "v", "[s]\r\nk=v\r\n"}));

TEST(WriteProfileBytesTest, KeepsEveryOtherByteOfTheFile) {
    const std::string head = "garbage \xFF\xFE \0 bytes\r\n; comment \xD6\r\n[other]\r\nk=\xD6\xD0\r\n"s;
    const std::string tail = "\r\n\r\n[other2]\n\xA2\xA0=\x81\r\n\0"s;
    const std::string before = head + utf8ToGbk("[自动投图]\r\n设计S=张三\r\n") + tail;
    const std::string after = writeProfileString(before, "自动投图", "设计S", "李四");
    EXPECT_EQ(after, head + utf8ToGbk("[自动投图]\r\n设计S=李四\r\n") + tail);
}

TEST(WriteProfileBytesTest, WritesGbkAndMatchesGbkNamesExactly) {
    const std::string file = writeProfileString("", "生成加工单Drw", "技术要求", "1.未注倒角C0.5€");
    EXPECT_EQ(file, utf8ToGbk("[生成加工单Drw]\r\n技术要求=1.未注倒角C0.5€\r\n"));
    // 丄 (81 41) and 乤 (81 61) differ only in a trail byte that looks like a letter's case.
    const std::string two = writeProfileString(writeProfileString("", "s", "丄", "1"), "s", "乤", "2");
    EXPECT_EQ(two, utf8ToGbk("[s]\r\n丄=1\r\n乤=2\r\n"));
    EXPECT_EQ(writeProfileString("", "s", "k", "\xF0\x9F\x98\x80"), "[s]\r\nk=?\r\n");
}

TEST(WriteProfileRoundTripTest, SettingsOfBothProgramsReadBackAsWritten) {
    const std::vector<std::pair<std::string, std::string>> planwright = {{"投影视角", "3"},
                                                                         {"用户轴系优先", "0"},
                                                                         {"实体作为零件处理", "1"},
                                                                         {"图纸幅面不超过", "A2"},
                                                                         {"添加图框", "1"},
                                                                         {"添加长宽高", "0"},
                                                                         {"视图间距", "40"},
                                                                         {"输出单多页", "2"},
                                                                         {"文件后缀", "_drw"},
                                                                         {"插入技术要求", "1"},
                                                                         {"插入技术要求S", "Notes_General"},
                                                                         {"设计", "1"},
                                                                         {"设计S", "张三"},
                                                                         {"绘图", "1"},
                                                                         {"绘图S", "-"},
                                                                         {"投影完成后导出DWG", "0"}};
    std::string file = utf8ToGbk("[生成加工单Drw]\r\n序号=1\r\n");
    for (const auto& [key, value] : planwright) file = writeProfileString(file, "自动投图", key, value);
    file = writeProfileString(file, "生成加工单Drw", "审核", "王五");
    for (const auto& [key, value] : planwright)
        EXPECT_EQ(readProfileString(file, "自动投图", key, "?"), value) << key;
    EXPECT_EQ(readProfileString(file, "生成加工单Drw", "序号", "?"), "1");
    EXPECT_EQ(readProfileString(file, "生成加工单Drw", "审核", "?"), "王五");

    // Writing the same values again changes nothing.
    std::string again = file;
    for (const auto& [key, value] : planwright) again = writeProfileString(again, "自动投图", key, value);
    EXPECT_EQ(again, file);
}

TEST(WriteProfileSizeTest, HandlesAMegabyteLine) {
    const std::string big(1 << 20, 'x');
    const std::string file = "[s]\r\nbig=" + big + "\r\nk=1\r\n";
    const std::string after = writeProfileString(file, "s", "k", "2");
    EXPECT_EQ(after, "[s]\r\nbig=" + big + "\r\nk=2\r\n");
    EXPECT_EQ(readProfileString(writeProfileString(after, "s", "big", "small"), "s", "big", ""), "small");
}

}  // namespace
}  // namespace qvl::profile
