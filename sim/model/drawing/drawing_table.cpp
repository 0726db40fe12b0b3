#include "sim/model/drawing/drawing_table.h"

#include <algorithm>

#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

constexpr double defaultRowHeight = 7;
constexpr double defaultColumnWidth = 20;

std::string cellName(long long row, long long column) {
    return "(" + std::to_string(row) + ", " + std::to_string(column) + ")";
}

bool overlap(const TableMerge& a, const TableMerge& b) {
    return a.row <= b.lastRow() && b.row <= a.lastRow() && a.column <= b.lastColumn() && b.column <= a.lastColumn();
}

bool contains(const TableMerge& outer, const TableMerge& inner) {
    return inner.row >= outer.row && inner.lastRow() <= outer.lastRow() && inner.column >= outer.column &&
           inner.lastColumn() <= outer.lastColumn();
}

template <class T>
void insertAt(std::vector<T>& list, long long position, T value) {
    if (position - 1 <= static_cast<long long>(list.size()) && !list.empty()) {
        list.insert(list.begin() + (position - 1), std::move(value));
    }
}

template <class T>
void eraseAt(std::vector<T>& list, long long position) {
    if (position - 1 < static_cast<long long>(list.size())) list.erase(list.begin() + (position - 1));
}

// Moves the merges along one axis for an inserted line (`added`) or a removed one. `first`
// and `count` pick the merge's start and extent on that axis.
void shiftMerges(std::vector<TableMerge>& merges, long long line, bool added, long long TableMerge::*first,
                 long long TableMerge::*count) {
    for (TableMerge& m : merges) {
        long long last = m.*first + m.*count - 1;
        if (added) {
            if (m.*first >= line) {
                ++(m.*first);
            } else if (line <= last) {
                ++(m.*count);
            }
        } else {
            if (m.*first > line) {
                --(m.*first);
            } else if (line <= last) {
                --(m.*count);
            }
        }
    }
    std::erase_if(merges, [](const TableMerge& m) { return m.rows < 1 || m.columns < 1 || (m.rows == 1 && m.columns == 1); });
}

}  // namespace

void DrawingTable::setCells(std::vector<std::vector<std::string>> rows, std::size_t columnCount) {
    for (auto& row : rows) row.resize(columnCount);
    cells_ = std::move(rows);
    columns_ = columnCount;
    merges_.clear();
}

void DrawingTable::requireCell(long long row, long long column) const {
    if (row < 1 || row > rowCount() || column < 1 || column > columnCount()) {
        throw Refusal("the table " + name + " of " + std::to_string(rowCount()) + " rows and " +
                      std::to_string(columnCount()) + " columns has no cell " + cellName(row, column));
    }
}

void DrawingTable::requireBlockInside(const TableMerge& block) const {
    if (block.rows < 1 || block.columns < 1) throw Refusal("a merged block covers at least one cell");
    requireCell(block.row, block.column);
    requireCell(block.lastRow(), block.lastColumn());
}

std::optional<TableMerge> DrawingTable::mergeCovering(long long row, long long column) const {
    for (const TableMerge& m : merges_) {
        if (m.covers(row, column)) return m;
    }
    return std::nullopt;
}

const std::string& DrawingTable::text(long long row, long long column) const {
    requireCell(row, column);
    if (auto m = mergeCovering(row, column)) return cells_[m->row - 1][m->column - 1];
    return cells_[row - 1][column - 1];
}

void DrawingTable::setText(long long row, long long column, std::string text) {
    requireCell(row, column);
    if (auto m = mergeCovering(row, column)) {
        row = m->row;
        column = m->column;
    }
    cells_[row - 1][column - 1] = std::move(text);
}

DrawingTable DrawingTable::empty(std::string name, double x, double y, long long rows, long long columns,
                                 double rowHeight, double columnWidth) {
    if (rows < 1 || columns < 1) throw Refusal("a table has at least one row and one column");
    if (!(rowHeight > 0) || !(columnWidth > 0)) throw Refusal("a table's rows and columns have a size above 0");
    DrawingTable table;
    table.name = std::move(name);
    table.x = x;
    table.y = y;
    table.setCells(std::vector<std::vector<std::string>>(static_cast<std::size_t>(rows),
                                                         std::vector<std::string>(static_cast<std::size_t>(columns))),
                   static_cast<std::size_t>(columns));
    table.rowHeights.assign(static_cast<std::size_t>(rows), rowHeight);
    table.columnWidths.assign(static_cast<std::size_t>(columns), columnWidth);
    return table;
}

namespace {

void setSize(std::vector<double>& sizes, long long count, long long at, double size, double fallback,
             const std::string& what) {
    if (at < 1 || at > count) throw Refusal("the table has no " + what + " " + std::to_string(at));
    if (!(size > 0)) throw Refusal("a table's " + what + " has a size above 0");
    if (sizes.size() < static_cast<std::size_t>(count)) sizes.resize(static_cast<std::size_t>(count), fallback);
    sizes[static_cast<std::size_t>(at - 1)] = size;
}

}  // namespace

void DrawingTable::setColumnSize(long long column, double size) {
    setSize(columnWidths, columnCount(), column, size, defaultColumnWidth, "column");
}

void DrawingTable::setRowSize(long long row, double size) {
    setSize(rowHeights, rowCount(), row, size, defaultRowHeight, "row");
}

void DrawingTable::addRow(long long before) {
    if (before < 1 || before > rowCount() + 1) {
        throw Refusal("the table " + name + " has " + std::to_string(rowCount()) + " rows: no row can be added before row " +
                      std::to_string(before));
    }
    cells_.insert(cells_.begin() + (before - 1), std::vector<std::string>(columns_));
    insertAt(rowHeights, before, defaultRowHeight);
    shiftMerges(merges_, before, true, &TableMerge::row, &TableMerge::rows);
}

void DrawingTable::addColumn(long long before) {
    if (before < 1 || before > columnCount() + 1) {
        throw Refusal("the table " + name + " has " + std::to_string(columnCount()) +
                      " columns: no column can be added before column " + std::to_string(before));
    }
    for (auto& row : cells_) row.insert(row.begin() + (before - 1), std::string());
    ++columns_;
    insertAt(columnWidths, before, defaultColumnWidth);
    shiftMerges(merges_, before, true, &TableMerge::column, &TableMerge::columns);
}

void DrawingTable::removeRow(long long row) {
    if (row < 1 || row > rowCount()) throw Refusal("the table " + name + " has no row " + std::to_string(row));
    // A block that starts on the row keeps its text in the row that takes its place.
    for (const TableMerge& m : merges_) {
        if (m.row == row && m.rows > 1) cells_[row][m.column - 1] = cells_[row - 1][m.column - 1];
    }
    cells_.erase(cells_.begin() + (row - 1));
    eraseAt(rowHeights, row);
    shiftMerges(merges_, row, false, &TableMerge::row, &TableMerge::rows);
}

void DrawingTable::removeColumn(long long column) {
    if (column < 1 || column > columnCount()) throw Refusal("the table " + name + " has no column " + std::to_string(column));
    for (const TableMerge& m : merges_) {
        if (m.column == column && m.columns > 1) cells_[m.row - 1][column] = cells_[m.row - 1][column - 1];
    }
    for (auto& cells : cells_) cells.erase(cells.begin() + (column - 1));
    --columns_;
    eraseAt(columnWidths, column);
    shiftMerges(merges_, column, false, &TableMerge::column, &TableMerge::columns);
}

void DrawingTable::mergeCells(long long row, long long column, long long rows, long long columns) {
    TableMerge block{row, column, rows, columns};
    requireBlockInside(block);
    for (const TableMerge& m : merges_) {
        if (overlap(block, m) && !contains(block, m)) {
            throw Refusal("the cells " + cellName(row, column) + " to " + cellName(block.lastRow(), block.lastColumn()) +
                          " cut through the merged cells from " + cellName(m.row, m.column));
        }
    }
    if (rows == 1 && columns == 1) return;
    std::erase_if(merges_, [&](const TableMerge& m) { return contains(block, m); });
    for (long long r = row; r <= block.lastRow(); ++r) {
        for (long long c = column; c <= block.lastColumn(); ++c) {
            if (r != row || c != column) cells_[r - 1][c - 1].clear();
        }
    }
    merges_.push_back(block);
}

void DrawingTable::restoreMerge(const TableMerge& merge) {
    requireBlockInside(merge);
    for (const TableMerge& m : merges_) {
        if (overlap(merge, m)) throw Refusal("merged blocks overlap");
    }
    merges_.push_back(merge);
}

}  // namespace qvl::sim
