#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/ui/control.h"
#include "common/ui/form.h"

namespace qvl::ui {

// A window busy with a long command, for as long as this object lives: every control but the
// button that stops the command is disabled, and that button shows `stopCaption`. The command
// may show its progress in the window's caption and progress meanwhile. Afterwards the controls'
// enabled states, the button's caption, the window's caption and its progress are as before.
class BusyForm {
public:
    BusyForm(Form& form, Control& stopButton, std::string stopCaption);
    ~BusyForm();
    BusyForm(const BusyForm&) = delete;
    BusyForm& operator=(const BusyForm&) = delete;

private:
    Form& form_;
    Control& stopButton_;
    std::string buttonCaption_;
    std::string windowCaption_;
    std::vector<std::pair<Control*, bool>> enabled_;
};

}  // namespace qvl::ui
