#pragma once

#include <string>

namespace qvl::orderloom {

// The texts by which the program starts CATIA's commands and finds the reorder dialog's window
// and buttons; they follow CATIA's interface language.
struct DialogLabels {
    std::string reorderCommand;
    std::string dialogCaption;
    std::string okButton;
    std::string applyButton;
    std::string moveUpButton;
    std::string moveDownButton;
    std::string numberingCommand;

    static DialogLabels english();
    static DialogLabels chinese();

    friend bool operator==(const DialogLabels&, const DialogLabels&) = default;
};

}  // namespace qvl::orderloom
