#include "headless/command_line.h"

#include <gtest/gtest.h>

namespace qvl::platform {
namespace {

TEST(CommandLine, SplitsAsAWindowsProgramDoes) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(splitCommandLine("  /batch  D:\\l.txt\t/pdf "), (Words{"/batch", "D:\\l.txt", "/pdf"}));
    EXPECT_EQ(splitCommandLine("/out \"D:\\my out\" /name \"总 图\""), (Words{"/out", "D:\\my out", "/name", "总 图"}));
    EXPECT_EQ(splitCommandLine("a\"b c\"d"), (Words{"ab cd"}));
    EXPECT_EQ(splitCommandLine("\"D:\\dir\\\\\" x"), (Words{"D:\\dir\\", "x"}));  // 2n backslashes, then a quote
    EXPECT_EQ(splitCommandLine("say\\\"hi\\\""), (Words{"say\"hi\""}));          // 2n+1: a plain quote
    EXPECT_EQ(splitCommandLine("\"a \"\"q\"\" b\""), (Words{"a \"q\" b"}));       // doubled inside quotes
    EXPECT_EQ(splitCommandLine("\"\" x"), (Words{"", "x"}));
    EXPECT_TRUE(splitCommandLine("   ").empty());
}

}  // namespace
}  // namespace qvl::platform
