#pragma once

#include <windows.h>

#include <oaidl.h>

#include <functional>

#include "common/automation/variant.h"

namespace qvl::win32 {

// VARIANT <-> automation::Variant, in one place for the client and the server. Objects are
// the one thing each side converts its own way: `ObjectOf` turns a received IDispatch (never
// null) into an Object, `DispatchOf` an Object (never Nothing) into an IDispatch with a new
// reference.
using ObjectOf = std::function<automation::Object(IDispatch*)>;
using DispatchOf = std::function<IDispatch*(const automation::Object&)>;

// Reads a VARIANT (by reference or not); a missing optional argument reads as Empty.
// Types that VB has no value for fail with error 458.
automation::Variant fromVariant(const VARIANT& in, const ObjectOf& objectOf);

// Writes `value` into `out`, which must be empty (VariantInit or cleared); arrays become a
// one-dimensional SAFEARRAY of VARIANT from index 0.
void toVariant(const automation::Variant& value, VARIANT& out, const DispatchOf& dispatchOf);

}  // namespace qvl::win32
