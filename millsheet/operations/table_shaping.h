#pragma once
// Where the operations table is merged and which columns go: pure decisions on cell texts read
// from the table. A cell that could not be read is nullopt and equals no other cell.

#include <optional>
#include <string>
#include <vector>

namespace qvl::millsheet {

using ColumnCells = std::vector<std::optional<std::string>>;

// Consecutive rows of one column that become one merged cell.
struct CellRun {
    int firstRow = 0;
    int rowCount = 0;
    friend bool operator==(const CellRun&, const CellRun&) = default;
};

// The runs of two or more equal consecutive cells; `cells` holds the rows from `firstRow` on.
// Empty cells are equal to each other.
std::vector<CellRun> EqualRuns(const ColumnCells& cells, int firstRow);

// A run of rows with the same program and the sum of their times.
struct TimeRun {
    CellRun rows;
    double sum = 0;
};

// The runs of two or more consecutive rows with equal keys, each with the sum of the leading
// numbers of its time cells (an empty or unreadable time counts 0). `keys` and `times` hold
// the same rows, from `firstRow` on. A single row is no run: its time text stays as it is.
std::vector<TimeRun> ProgramTimeRuns(const ColumnCells& keys, const ColumnCells& times, int firstRow);

// The column numbers to pass to RemoveColumn, in call order, so that every column whose
// tick-box value is 0 goes and the others (1 ticked, 2 grey) stay in their order. Each removal
// moves the later columns one place to the left, which the numbers take into account.
std::vector<int> ColumnRemovalOrder(const std::vector<int>& columnKeepList);

}  // namespace qvl::millsheet
