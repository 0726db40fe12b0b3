#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace qvl::automation {

// What a run was asked to write but could not: named pieces (an operation's row, the views, a
// title-block value), each once, in the order in which they were missed. Routines that skip
// failing calls add a piece where a failed call would have written content that the user asked
// for; a piece that the template or the process simply does not hold is no missing content.
class MissingContent {
public:
    void add(std::string piece) {
        if (std::find(pieces_.begin(), pieces_.end(), piece) == pieces_.end()) pieces_.push_back(std::move(piece));
    }

    bool empty() const noexcept { return pieces_.empty(); }
    const std::vector<std::string>& pieces() const noexcept { return pieces_; }
    void clear() noexcept { pieces_.clear(); }

private:
    std::vector<std::string> pieces_;
};

}  // namespace qvl::automation
