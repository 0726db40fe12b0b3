#pragma once

#include <string_view>

#include "sim/model/element.h"
#include "sim/model/session.h"

namespace qvl::sim {

// The object that a person's pick names: names from a document's root joined by '/', in the
// active document or, after "File.CATProduct:", in that open document. The root of a part or
// product document is its root product, named by its part number; below it come instances by
// their instance names. In a drawing the root is a sheet, then a view by its name, then a text
// or component of that view ("Sheet.1/Front view"). In a process document the root is the
// process, then activities, setups, programs and operations by their names
// ("Process/Part Operation.1/Manufacturing Program.1"). A path that names nothing is a fault of the script
// (platform::ScriptFault).
Element resolvePickPath(const Session& session, std::string_view path);

}  // namespace qvl::sim
