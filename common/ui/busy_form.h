#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/ui/control.h"
#include "common/ui/form.h"

namespace qvl::ui {

// A window busy with a long command, for as long as this object lives: every control but the
// button that stops the command is disabled, and that button shows `stopCaption`. Afterwards the
// controls' enabled states and the button's caption are as before. (A command that shows its
// progress in the window's caption puts the caption back itself.)
class BusyForm {
public:
    BusyForm(Form& form, Control& stopButton, std::string stopCaption);
    ~BusyForm();
    BusyForm(const BusyForm&) = delete;
    BusyForm& operator=(const BusyForm&) = delete;

private:
    Control& stopButton_;
    std::string buttonCaption_;
    std::vector<std::pair<Control*, bool>> enabled_;
};

}  // namespace qvl::ui
