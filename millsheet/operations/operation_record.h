#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qvl::millsheet {

// One row of the operations table: fourteen texts, field k for column k + 1 (sequence number,
// program, description, tool assembly, tool number, tool name, diameter/radius, cutting and
// gauge length, side and bottom allowance, machining type, spindle, feed, time).
inline constexpr std::size_t operationFieldCount = 14;
using OperationRecord = std::array<std::string, operationFieldCount>;

// An operation's row as the run's message names it when the row is missing or incomplete: its
// sequence number and, when it was read, its program.
inline std::string missingOperationPiece(const OperationRecord& record) {
    return "工序 " + record[0] + (record[1].empty() ? "" : " (" + record[1] + ")");
}

// The records of one run keyed by sequence number, kept in the order in which they were added.
class OperationRecordList {
public:
    using Entry = std::pair<std::int16_t, OperationRecord>;

    bool Exists(std::int16_t key) const;
    // Adds a record under a key that is not present yet; a present key is left as it is.
    void Add(std::int16_t key, OperationRecord record);
    void RemoveAll() { entries_.clear(); }

    std::size_t Count() const noexcept { return entries_.size(); }
    const std::vector<Entry>& entries() const noexcept { return entries_; }

private:
    std::vector<Entry> entries_;
};

}  // namespace qvl::millsheet
