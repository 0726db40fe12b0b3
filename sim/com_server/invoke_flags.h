#pragma once

#include <windows.h>

#include <optional>

#include "common/automation/dispatch.h"
#include "sim/reference/catia_reference.h"

namespace qvl::simcatia {

// What an IDispatch::Invoke with `flags` reaches of a member, as a type library's dispatch
// matches them: DISPATCH_METHOD reaches a Func or Sub; a property's get only with
// DISPATCH_PROPERTYGET, its setter only with DISPATCH_PROPERTYPUT. DISPATCH_PROPERTYPUTREF
// reaches nothing, for CATIA declares every setter as a plain put. The kind of call the
// simulator object then receives, or nothing: the call fails with DISP_E_MEMBERNOTFOUND.
//
// A member that the reference does not declare (`member` null) is the simulator object's to
// refuse; its kind follows the flags alone, a put by reference staying one.
std::optional<automation::CallKind> reachedCall(const sim::reference::Member* member, WORD flags);

}  // namespace qvl::simcatia
