#include <gtest/gtest.h>

#include "millsheet/operations/table_shaping.h"

namespace qvl::millsheet {
namespace {

TEST(EqualRuns, MergeOnlyConsecutiveEqualCellsOfAtLeastTwoRows) {
    EXPECT_EQ(EqualRuns({"a", "a", "b", "a", "a", "a"}, 1),
              (std::vector<CellRun>{{1, 2}, {4, 3}}));
    EXPECT_EQ(EqualRuns({"a", "b", "c"}, 1), std::vector<CellRun>{});
    EXPECT_EQ(EqualRuns({}, 1), std::vector<CellRun>{});
    EXPECT_EQ(EqualRuns({"x"}, 1), std::vector<CellRun>{});
    // Rows are counted from the first row given.
    EXPECT_EQ(EqualRuns({"a", "b", "b"}, 5), (std::vector<CellRun>{{6, 2}}));
}

TEST(EqualRuns, EmptyCellsMergeAndUnreadableCellsBreakRuns) {
    EXPECT_EQ(EqualRuns({"", "", "x"}, 1), (std::vector<CellRun>{{1, 2}}));
    EXPECT_EQ(EqualRuns({"a", std::nullopt, "a", "a"}, 1), (std::vector<CellRun>{{3, 2}}));
    EXPECT_EQ(EqualRuns({std::nullopt, std::nullopt}, 1), std::vector<CellRun>{});
    // Texts compare exactly: letter case and blanks count.
    EXPECT_EQ(EqualRuns({"T1", "t1", "T1 "}, 1), std::vector<CellRun>{});
}

TEST(EqualRuns, HeaderAndFooterMergeOnlyWithEqualNeighbours) {
    // Header, three data rows, footer: the footer "#" stays alone, the header too.
    EXPECT_EQ(EqualRuns({"刀号", "1", "1", "2", "#"}, 1), (std::vector<CellRun>{{2, 2}}));
    EXPECT_EQ(EqualRuns({"X", "X", "Y", "#"}, 1), (std::vector<CellRun>{{1, 2}}));
    EXPECT_EQ(EqualRuns({"H", "1", "#", "#"}, 1), (std::vector<CellRun>{{3, 2}}));
}

TEST(ProgramTimeRuns, SumsTheTimesOfEachProgramOfTwoOrMoreRows) {
    const std::vector<TimeRun> runs =
        ProgramTimeRuns({"P1", "P1", "P1", "P2", "P3", "P3", "#"},
                        {"1.00", "2.50", "0.75", "9.00", "0.10", "0.20", "总时间\r\n13.55"}, 2);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].rows, (CellRun{2, 3}));
    EXPECT_DOUBLE_EQ(runs[0].sum, 4.25);
    EXPECT_EQ(runs[1].rows, (CellRun{6, 2}));
    EXPECT_NEAR(runs[1].sum, 0.3, 1e-12);
}

TEST(ProgramTimeRuns, EmptyOrUnreadableTimesCountZeroAndUnreadableKeysEndRuns) {
    const std::vector<TimeRun> runs = ProgramTimeRuns({"P", "P", "P", std::nullopt, "Q", "Q"},
                                                      {"", std::nullopt, "2x", "5", "abc", "1"}, 2);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].rows, (CellRun{2, 3}));
    EXPECT_DOUBLE_EQ(runs[0].sum, 2);
    EXPECT_EQ(runs[1].rows, (CellRun{6, 2}));
    EXPECT_DOUBLE_EQ(runs[1].sum, 1);
    EXPECT_TRUE(ProgramTimeRuns({}, {}, 2).empty());
    EXPECT_TRUE(ProgramTimeRuns({"P", "Q"}, {"1", "2"}, 2).empty());
}

TEST(ColumnRemovalOrder, RemovesUntickedColumnsAtTheirCurrentPlaces) {
    // The initial ticks: 序号, 加工描述, 刀库名称 and 侧余量 to 理论时间 go.
    EXPECT_EQ(ColumnRemovalOrder({0, 1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0}),
              (std::vector<int>{1, 2, 2, 6, 6, 6, 6, 6, 6}));
    EXPECT_EQ(ColumnRemovalOrder(std::vector<int>(14, 0)), std::vector<int>(14, 1));
    EXPECT_EQ(ColumnRemovalOrder(std::vector<int>(14, 1)), std::vector<int>{});
    // Only the time unticked.
    std::vector<int> onlyTime(14, 1);
    onlyTime[13] = 0;
    EXPECT_EQ(ColumnRemovalOrder(onlyTime), std::vector<int>{14});
    // A grey box keeps its column.
    EXPECT_EQ(ColumnRemovalOrder({2, 0, 2, 0}), (std::vector<int>{2, 3}));
}

}  // namespace
}  // namespace qvl::millsheet
