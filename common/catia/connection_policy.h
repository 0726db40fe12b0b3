#pragma once

#include <string>

namespace qvl::catia {

// The points in which the three programs' copies of the connection module differ. Each program
// chooses its value (planwright::connectionPolicy() and its likes) and hands it to its
// Connection; the module itself never asks which program it serves.
struct ConnectionPolicy {
    // What a cancelled pick (Esc) gives the caller.
    enum class PickCancel {
        Empty,                  // Empty, without a word
        NothingAfterMessage,    // Nothing, after the message "已退出选择"
    };

    // The caption of a message box that names no caption of its own: the program's title.
    std::string title;
    // When no CATIA runs and one is started: make it visible.
    bool showsStartedCatia = true;
    // ...and then clear the error state that the failed attach left.
    bool clearsErrorAfterStart = true;
    // Tell the user when CATIA has no active document at attach.
    bool reportsMissingDocument = true;
    PickCancel pickCancel = PickCancel::Empty;
    // Read CATIA's language with the errors of single calls ignored (a failed call leaves the
    // answer Chinese) instead of letting the first error reach the caller.
    bool languageIgnoresErrors = false;
};

// The caption of the connection module's own messages.
inline constexpr const char* catiaToolboxCaption = "Quorvel工具箱CATIA版";

}  // namespace qvl::catia
