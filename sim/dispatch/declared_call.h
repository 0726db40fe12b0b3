#pragma once

#include <span>

#include "common/automation/dispatch.h"
#include "common/automation/variant.h"
#include "sim/reference/catia_reference.h"

namespace qvl::sim {

// Refuses a call as CATIA's dispatch refuses it when it does not fit the member's declaration
// (`member`: null when the type declares no such member):
// - an undeclared member, a put of a read-only property or of a method, and a read of a
//   write-only property: error 438, "Object doesn't support this property or method";
// - a number of arguments outside the declaration (a put's value counted): error 450.
// A read reaches a property, a Func and a Sub alike, as Visual Basic's reads do.
// Then it converts the arguments as dispatch does to the declared types: a text given for a
// number (long, short, double, ...) becomes that number, and one that is no number fails with
// error 13, "Type mismatch"; so an `Item` that the reference declares with a long takes no
// name.
void checkDeclaredCall(const reference::Member* member, automation::CallKind kind,
                       std::span<automation::Variant> args);

}  // namespace qvl::sim
