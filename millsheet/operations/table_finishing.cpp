// The three finishing steps of the operations table: the time of each program totalled in one
// merged cell, equal cells merged down the columns, and the unticked columns removed.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/automation/error_trap.h"
#include "millsheet/main_frm3.h"
#include "millsheet/operations/operation_texts.h"
#include "millsheet/operations/table_shaping.h"

namespace qvl::millsheet {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

struct TableSize {
    long long rows = 0;
    long long columns = 0;
};

TableSize sizeOf(const Object& table) {
    return {table.get("NumberOfRows").toLong(), table.get("NumberOfColumns").toLong()};
}

// The texts of rows `firstRow` to `lastRow` of a column; a cell that cannot be read is nullopt.
ColumnCells readColumn(const Object& table, long long column, long long firstRow, long long lastRow) {
    ColumnCells cells;
    ErrorTrap trap;
    for (long long row = firstRow; row <= lastRow; ++row) {
        std::optional<std::string> cell;
        trap([&] { cell = table.call("GetCellString", {Variant(row), Variant(column)}).toString(); });
        cells.push_back(std::move(cell));
    }
    return cells;
}

void mergeDown(ErrorTrap& trap, const Object& table, const CellRun& run, long long column) {
    trap([&] {
        table.call("MergeCells", {Variant(run.firstRow), Variant(column), Variant(run.rowCount), Variant(1)});
    });
}

}  // namespace

void MainFrm3::SumTimeByProgram(const Object& table, int keyColumn, int timeColumn) {
    if (keyColumn <= 0 || timeColumn <= 0) return;
    ErrorTrap trap;
    TableSize size;
    if (!trap([&] { size = sizeOf(table); })) {
        // A template without the operations table has no times to total.
        if (!table.isNothing() && ColumnShown(timeColumn)) Missing.add("按程序汇总时间");
        return;
    }
    if (size.columns < keyColumn || size.columns < timeColumn) return;

    constexpr long long firstDataRow = 2;
    const ColumnCells keys = readColumn(table, keyColumn, firstDataRow, size.rows);
    const ColumnCells times = readColumn(table, timeColumn, firstDataRow, size.rows);
    auto unread = [](const ColumnCells& cells) {
        return std::find(cells.begin(), cells.end(), std::nullopt) != cells.end();
    };
    // A program's total that could not be read or written is not on the sheet.
    bool summed = !unread(keys) && !unread(times);
    for (const TimeRun& run : ProgramTimeRuns(keys, times, firstDataRow)) {
        mergeDown(trap, table, run.rows, timeColumn);
        summed = trap([&] {
            table.call("SetCellString", {Variant(run.rows.firstRow), Variant(timeColumn), Variant(TimeSumText(run.sum))});
        }) && summed;
    }
    if (!summed && ColumnShown(timeColumn)) Missing.add("按程序汇总时间");
}

void MainFrm3::MergeEqualRuns(const Object& table, const std::vector<int>& keptApart) {
    ErrorTrap trap;
    TableSize size;
    if (!trap([&] { size = sizeOf(table); })) return;
    for (long long column = 1; column <= size.columns; ++column) {
        if (std::find(keptApart.begin(), keptApart.end(), column) != keptApart.end()) continue;
        // The header row takes part: it merges with the first data row when their texts agree.
        for (const CellRun& run : EqualRuns(readColumn(table, column, 1, size.rows), 1)) {
            mergeDown(trap, table, run, column);
        }
    }
}

std::vector<int> MainFrm3::ColumnKeepList() const {
    std::vector<int> keep;
    for (const ui::Control* box : {&chkItemNo1, &chkProgNo1, &chkDes1, &chkToolAss1, &chkToolNo1, &chkToolName1,
                                   &chkDiaR1, &chkWorkL1, &chkBufferS1, &chkBufferB1, &chkQuality1, &chkSpindle1,
                                   &chkFeedRate1, &chkTime1}) {
        keep.push_back(box->value());
    }
    return keep;
}

bool MainFrm3::ColumnShown(int column) const {
    const std::vector<int> keep = ColumnKeepList();
    return column >= 1 && column <= static_cast<int>(keep.size()) && keep[static_cast<std::size_t>(column - 1)] != 0;
}

void MainFrm3::RemoveUntickedColumns(const Object& table) {
    ErrorTrap trap;
    // Each removal counts on the ones before it; a column whose removal failed still stands,
    // so the later removals reach one place further right and no ticked column goes instead.
    int standing = 0;
    for (int column : ColumnRemovalOrder(ColumnKeepList())) {
        if (!trap([&] { table.call("RemoveColumn", {Variant(column + standing)}); })) ++standing;
    }
}

}  // namespace qvl::millsheet
