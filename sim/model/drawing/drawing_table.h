#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qvl::sim {

// A block of merged cells: its first cell (row and column from 1) and how many rows and
// columns it covers.
struct TableMerge {
    long long row = 1;
    long long column = 1;
    long long rows = 1;
    long long columns = 1;

    long long lastRow() const noexcept { return row + rows - 1; }
    long long lastColumn() const noexcept { return column + columns - 1; }
    bool covers(long long r, long long c) const noexcept {
        return r >= row && r <= lastRow() && c >= column && c <= lastColumn();
    }
    friend bool operator==(const TableMerge&, const TableMerge&) = default;
};

// A table of a view: `x`, `y` is its upper-left corner; rows go down. Rows and columns count
// from 1. A merged block shows the text of its first cell; reading or writing any cell of the
// block reads or writes that text. Merged blocks never overlap, and they move and shrink with
// the rows and columns that are inserted and removed. Widths and heights left empty take
// defaults when the table is drawn. Every request outside the table is refused.
class DrawingTable {
public:
    std::string name;
    double x = 0;
    double y = 0;
    // 0 while the program has suspended the table's recomputation, 1 otherwise.
    long long computeMode = 1;
    std::vector<double> columnWidths;
    std::vector<double> rowHeights;
    // Set once the table is deleted with its view: calls on it then fail.
    bool removed = false;

    // A new empty table of `rows` rows of `rowHeight` and `columns` columns of `columnWidth`
    // (mm), its upper-left corner at (x, y); refused without rows or columns, or without size.
    static DrawingTable empty(std::string name, double x, double y, long long rows, long long columns,
                              double rowHeight, double columnWidth);

    // A table of `rows` (each `columnCount` texts long) without merges.
    void setCells(std::vector<std::vector<std::string>> rows, std::size_t columnCount);

    long long rowCount() const noexcept { return static_cast<long long>(cells_.size()); }
    long long columnCount() const noexcept { return static_cast<long long>(columns_); }
    // The texts as stored, row by row: a merged block's text in its first cell.
    const std::vector<std::vector<std::string>>& cells() const noexcept { return cells_; }
    const std::vector<TableMerge>& merges() const noexcept { return merges_; }

    // The text of a cell, or of the merged block that covers it.
    const std::string& text(long long row, long long column) const;
    void setText(long long row, long long column, std::string text);

    // An empty row (column) that becomes row (column) `before`; the ones from there on move
    // down (right). `before` may be one past the last, which appends. A block that the new row
    // (column) cuts through grows by it.
    void addRow(long long before);
    void addColumn(long long before);
    // Removes the row (column); the blocks that it crosses shrink, and keep their text.
    void removeRow(long long row);
    void removeColumn(long long column);

    // The width of a column, the height of a row, in mm. A table whose sizes came from its texts
    // gives the other columns (rows) the default size.
    void setColumnSize(long long column, double size);
    void setRowSize(long long row, double size);

    // Merges the block into one cell showing the text of its first cell; the texts of the other
    // cells are dropped. Blocks merged before inside it are taken in; a block that lies partly
    // outside it is refused. A single cell stays as it is.
    void mergeCells(long long row, long long column, long long rows, long long columns);
    // Takes in a merge as a file holds it, texts untouched: it must lie inside the table and
    // overlap no other.
    void restoreMerge(const TableMerge& merge);

private:
    void requireCell(long long row, long long column) const;
    void requireBlockInside(const TableMerge& block) const;
    std::optional<TableMerge> mergeCovering(long long row, long long column) const;

    std::vector<std::vector<std::string>> cells_;
    std::size_t columns_ = 0;
    std::vector<TableMerge> merges_;
};

}  // namespace qvl::sim
