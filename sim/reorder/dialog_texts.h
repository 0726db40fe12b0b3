#pragma once

#include <string>

namespace qvl::sim::reorder {

// The texts by which CATIA names the reorder command and shows its dialog, in one interface
// language.
struct DialogTexts {
    std::string command;   // the name that StartCommand accepts
    std::string caption;   // the dialog's window title
    std::string ok;
    std::string apply;
    std::string moveUp;
    std::string moveDown;

    static DialogTexts english();
    static DialogTexts chinese();
};

}  // namespace qvl::sim::reorder
