#include "millsheet/operations/operation_record.h"

#include <algorithm>

namespace qvl::millsheet {

bool OperationRecordList::Exists(std::int16_t key) const {
    return std::any_of(entries_.begin(), entries_.end(), [key](const Entry& e) { return e.first == key; });
}

void OperationRecordList::Add(std::int16_t key, OperationRecord record) {
    if (Exists(key)) return;
    entries_.emplace_back(key, std::move(record));
}

}  // namespace qvl::millsheet
