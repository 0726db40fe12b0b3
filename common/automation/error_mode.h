#pragma once

#include <optional>
#include <utility>

#include "common/automation/error_trap.h"

namespace qvl::automation {

// The error mode of a routine: its statements run plainly, so that the first failing one ends
// the routine and its caller sees the error, until `ignoreErrors` switches to skipping the
// failing statement and going on (the error stays recorded until cleared).
class ErrorMode {
public:
    void ignoreErrors() {
        if (!trap_) trap_.emplace();
    }

    template <class Statement>
    void operator()(Statement&& statement) {
        if (trap_) {
            (*trap_)(std::forward<Statement>(statement));
        } else {
            std::forward<Statement>(statement)();
        }
    }

    bool failed() const noexcept { return trap_ && trap_->failed(); }

private:
    std::optional<ErrorTrap> trap_;
};

}  // namespace qvl::automation
