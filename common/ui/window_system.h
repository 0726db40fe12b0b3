#pragma once

#include "common/ui/form.h"

namespace qvl::ui {

// Creates and shows main windows. Showing a window loads it first: its window exists (it has
// a handle) and stands centred on the screen while its load handler runs, and it is displayed
// when the handler has returned.
//
// A window system may attach a ui::ControlPeer to each control and a ui::FormPeer to the form
// when it creates their windows; the headless one (headless/) attaches none.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual void show(Form& form) = 0;
};

}  // namespace qvl::ui
