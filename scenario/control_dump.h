#pragma once

#include "headless/transcript.h"
#include "common/ui/control.h"
#include "common/ui/form.h"

namespace qvl::scenario {

// {"event":"control",...} with the fields that apply to the control's kind.
platform::Json dumpControl(const ui::Control& control);
// {"event":"window",...}: caption, geometry in twips and whether it is top-most.
platform::Json dumpWindow(const ui::Form& form, bool topMost);
// A number of twips as JSON: whole numbers without a fraction.
platform::Json twips(double value);

}  // namespace qvl::scenario
