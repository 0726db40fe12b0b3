#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>

namespace qvl::simcatia {

// The type information of the objects of one type: enough for a client to learn the type's
// name (GetDocumentation of the type itself) and member names. One per type name, for the life
// of the process, so that a client sees the same type information for every object of a type.
ITypeInfo* typeInfoFor(const std::string& typeName);

}  // namespace qvl::simcatia
