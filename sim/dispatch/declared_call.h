#pragma once

#include <cstddef>

#include "common/automation/dispatch.h"
#include "sim/reference/catia_reference.h"

namespace qvl::sim {

// Refuses a call as CATIA's dispatch refuses it when it does not fit the member's declaration
// (`member`: null when the type declares no such member):
// - an undeclared member, a put of a read-only property or of a method, and a read of a
//   write-only property: error 438, "Object doesn't support this property or method";
// - a number of arguments outside the declaration (a put's value counted): error 450.
// A read reaches a property, a Func and a Sub alike, as Visual Basic's reads do.
void checkDeclaredCall(const reference::Member* member, automation::CallKind kind, std::size_t argumentCount);

}  // namespace qvl::sim
