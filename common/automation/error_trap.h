#pragma once

#include <optional>
#include <utility>

#include "common/automation/error.h"

namespace qvl::automation {

// The error state of a handler that ignores errors of single calls: a statement that fails is
// skipped, execution goes on, and the error stays recorded until the code clears it. A later
// failure replaces the recorded one; a later success does not clear it.
//
// Only automation errors are trapped: a fault of the program itself still ends the handler.
class ErrorTrap {
public:
    // Runs one statement; returns true when it completed.
    template <class Statement>
    bool operator()(Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const Error& e) {
            error_ = e;
            if (isServerGoneError(e)) serverGone_ = true;
            return false;
        }
    }

    bool failed() const noexcept { return error_.has_value(); }
    const std::optional<Error>& error() const noexcept { return error_; }
    void clear() noexcept { error_.reset(); }
    // Whether a trapped error told that the server went away. Clearing the error state keeps
    // it: no later call can succeed.
    bool serverWentAway() const noexcept { return serverGone_; }

private:
    std::optional<Error> error_;
    bool serverGone_ = false;
};

}  // namespace qvl::automation
