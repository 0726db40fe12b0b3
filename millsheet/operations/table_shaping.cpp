#include "millsheet/operations/table_shaping.h"

#include "common/text/vb_number.h"

namespace qvl::millsheet {
namespace {

bool sameCell(const ColumnCells& cells, std::size_t a, std::size_t b) {
    return b < cells.size() && cells[a] && cells[b] && *cells[a] == *cells[b];
}

double leadingNumber(const ColumnCells& cells, std::size_t index) {
    return index < cells.size() && cells[index] ? text::val(*cells[index]) : 0.0;
}

}  // namespace

std::vector<CellRun> EqualRuns(const ColumnCells& cells, int firstRow) {
    std::vector<CellRun> runs;
    std::size_t i = 0;
    while (i < cells.size()) {
        const std::size_t start = i;
        do {
            ++i;
        } while (sameCell(cells, i - 1, i));
        if (i - start >= 2) runs.push_back({firstRow + static_cast<int>(start), static_cast<int>(i - start)});
    }
    return runs;
}

std::vector<TimeRun> ProgramTimeRuns(const ColumnCells& keys, const ColumnCells& times, int firstRow) {
    std::vector<TimeRun> runs;
    std::size_t i = 0;
    while (i < keys.size()) {
        const std::size_t start = i;
        double sum = leadingNumber(times, i);
        for (++i; sameCell(keys, i - 1, i); ++i) sum += leadingNumber(times, i);
        if (i - start >= 2) {
            runs.push_back({{firstRow + static_cast<int>(start), static_cast<int>(i - start)}, sum});
        }
    }
    return runs;
}

std::vector<int> ColumnRemovalOrder(const std::vector<int>& columnKeepList) {
    std::vector<int> removals;
    int column = 1;  // where the next kept or removed column stands now
    for (int keep : columnKeepList) {
        if (keep == 0) {
            removals.push_back(column);
        } else {
            ++column;
        }
    }
    return removals;
}

}  // namespace qvl::millsheet
