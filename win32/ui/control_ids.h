#pragma once

#include "common/ui/form.h"

namespace qvl::win32 {

// The child-window id of a control: a UI driver finds a control of the tables by it.
int controlIdOf(const ui::Form& form, const ui::Control& control);

}  // namespace qvl::win32
