#pragma once

#include <string_view>

#include "common/automation/object.h"

namespace qvl::automation {

// The system's automation services for reaching a server by class name: the running object
// of a class (GetObject with no file name) and a new object (CreateObject). Both fail with
// error 429 when no such object can be had.
class ObjectFactory {
public:
    virtual ~ObjectFactory() = default;
    virtual Object getActiveObject(std::string_view className) = 0;
    virtual Object createObject(std::string_view className) = 0;
};

}  // namespace qvl::automation
