#pragma once

#include "common/automation/error.h"
#include "common/automation/object_factory.h"

namespace qvl::automation {

// An automation factory that reaches no CATIA, as on a machine where CATIA is neither running
// nor installed: every request fails with error 429, so a program starts and shows its
// "no CATIA document" message.
class NoCatiaFactory : public ObjectFactory {
public:
    Object getActiveObject(std::string_view) override { cannotCreate(); }
    Object createObject(std::string_view) override { cannotCreate(); }

private:
    [[noreturn]] static void cannotCreate() {
        throw Error(errc::cannotCreateObject, "ActiveX component can't create object");
    }
};

}  // namespace qvl::automation
