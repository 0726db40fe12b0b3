// What an unattended run reads: its command line and its list of models.
#include <gtest/gtest.h>

#include "common/text/gbk.h"
#include "planwright/unattended/batch_arguments.h"
#include "planwright/unattended/model_list.h"

namespace qvl::planwright {
namespace {

TEST(BatchArguments, TakeEverySwitchInAnyOrderAndLetterCase) {
    ParsedBatchArguments parsed = parseBatchArguments(
        {"/PDF", "/mode", "2", "/Batch", "list.txt", "/out", "D:\\out", "/name", "总图", "/dwg", "/log", "run.log"});
    ASSERT_EQ(parsed.error, "");
    const BatchArguments& a = parsed.arguments;
    EXPECT_EQ(a.list, "list.txt");
    EXPECT_EQ(a.outputMode, 2);
    EXPECT_EQ(a.outputFolder, "D:\\out");
    EXPECT_EQ(a.drawingName, "总图");
    EXPECT_TRUE(a.dwg);
    EXPECT_TRUE(a.pdf);
    EXPECT_EQ(a.log, "run.log");

    BatchArguments fewest = parseBatchArguments({"/batch", "list.txt"}).arguments;
    EXPECT_FALSE(fewest.outputMode || fewest.outputFolder || fewest.drawingName || fewest.log || fewest.dwg || fewest.pdf);
}

TEST(BatchArguments, RefuseWhatCannotRun) {
    for (const std::vector<std::string>& line : std::vector<std::vector<std::string>>{
             {},                                          // no list
             {"/mode", "1"},                              // no /batch
             {"/batch"},                                  // its value missing
             {"/batch", "a.txt", "/out"},                 // /out's value missing
             {"/batch", "a.txt", "/mode", "4"},           // no such output mode
             {"/batch", "a.txt", "/mode", "1", "/mode", "2"},  // twice
             {"/batch", "a.txt", "/pdf", "/PDF"},         // twice, in another case
             {"/batch", "a.txt", "/fast"},                // unknown switch
             {"/batch", "a.txt", "extra.txt"},            // a word that is no switch
         }) {
        SCOPED_TRACE(testing::PrintToString(line));
        EXPECT_NE(parseBatchArguments(line).error, "");
    }
}

TEST(ModelList, ReadsPathsOfAListInUtf8OrGbk) {
    const std::string lines = "# 今晚\r\n\r\n  ..\\models\\支座 左.CATPart  \r\n\"D:\\a b\\B.CATPart\"\nE:/c/C.CATProduct\r\n  # also a comment\n";
    const std::vector<std::string> expected{"D:\\models\\支座 左.CATPart", "D:\\a b\\B.CATPart", "E:\\c\\C.CATProduct"};
    EXPECT_EQ(readModelList(lines, "D:\\lists"), expected);
    EXPECT_EQ(readModelList("\xEF\xBB\xBF" + lines, "D:\\lists"), expected);
    EXPECT_EQ(readModelList(text::utf8ToGbk(lines), "D:\\lists"), expected);
    EXPECT_TRUE(readModelList("\r\n# nothing\r\n", "D:\\lists").empty());
}

}  // namespace
}  // namespace qvl::planwright
