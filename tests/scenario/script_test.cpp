#include "scenario/script.h"

#include <gtest/gtest.h>

namespace qvl::scenario {
namespace {

std::vector<std::string> tokensOf(std::string_view text) {
    auto lines = parseScript(text);
    return lines.empty() ? std::vector<std::string>{} : lines.front().tokens;
}

TEST(Script, SplitsLinesIntoTokensAndSkipsCommentsAndBlankLines) {
    auto lines = parseScript("# heading\n\nprogram planwright\r\n  open   D:\\a.CATPart   # the part\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[0].tokens, (std::vector<std::string>{"program", "planwright"}));
    EXPECT_EQ(lines[1].number, 4);
    EXPECT_EQ(lines[1].tokens, (std::vector<std::string>{"open", "D:\\a.CATPart"}));
}

TEST(Script, QuotedTokensHoldBlanksHashesAndEscapes) {
    EXPECT_EQ(tokensOf(R"(write "C:\\a b.txt" "say \"hi\"\r\n# not a comment")"),
              (std::vector<std::string>{"write", "C:\\a b.txt", "say \"hi\"\r\n# not a comment"}));
    EXPECT_EQ(tokensOf(R"(set txtSuf "")"), (std::vector<std::string>{"set", "txtSuf", ""}));
    EXPECT_EQ(tokensOf("set txtDesigner 张工 # 设计"), (std::vector<std::string>{"set", "txtDesigner", "张工"}));
    EXPECT_EQ(tokensOf("open D:\\a#b.CATPart"), (std::vector<std::string>{"open", "D:\\a#b.CATPart"}));
    EXPECT_EQ(tokensOf(R"(open "D:\models\支座 左.CATPart")"),
              (std::vector<std::string>{"open", "D:\\models\\支座 左.CATPart"}))
        << "a backslash that starts no escape stands for itself";
}

TEST(Script, ReportsMalformedQuotesWithTheirLine) {
    for (const char* bad : {"x\nset a \"open", "x\nset a \"x\"y", "x\nset a \"x\\"}) {
        try {
            parseScript(bad);
            FAIL() << bad;
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.line(), 2) << bad;
        }
    }
}

TEST(Script, IgnoresAByteOrderMark) {
    EXPECT_EQ(tokensOf("\xEF\xBB\xBFprogram orderloom"), (std::vector<std::string>{"program", "orderloom"}));
}

}  // namespace
}  // namespace qvl::scenario
