#pragma once

#include <string>
#include <vector>

#include "sim/model/selection.h"
#include "sim/model/session.h"

namespace qvl::sim {

// The person's answer to CATIA's interactive selection (SelectElement2, SelectElement3), taken
// from the queue: records the pick, puts the picked objects into `into` (a completed pick, and
// an Esc that carries objects selected before it) and returns the status "Normal", "Cancel",
// "Undo" or "Redo". Undo and Redo leave the selection as it was.
//
// With `useSelectionBefore` (the call's "selection before command" flag), objects of the
// filter's types that are selected already answer it without asking: they stay selected, the
// others are deselected, and the status is "Normal".
//
// Faults of the script, not of CATIA (platform::ScriptFault): no answer queued, a path that
// names nothing, an object whose type the filter does not allow.
std::string selectInteractively(Session& session, Selection& into, const std::vector<std::string>& filter,
                                const std::string& prompt, bool useSelectionBefore);

}  // namespace qvl::sim
