#pragma once

#include "headless/transcript.h"

namespace qvl::simcatia {

// A person's action on a program's real window, posted by the simulated CATIA while one of the
// program's calls is under way, so that the program meets it when it next processes its
// messages, as it meets a person's click: {"action":"click","control":ID,"kind":"button"|"label"}
// or {"action":"close"}. The window is the program's main window (win32::programWindowClass); a
// control that is disabled takes no click.
void postPersonAction(const platform::Json& post);

}  // namespace qvl::simcatia
