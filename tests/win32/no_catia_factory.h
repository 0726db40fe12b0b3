#pragma once

#include "common/automation/error.h"
#include "common/automation/object_factory.h"

namespace qvl::apps {

// An automation factory that reaches no CATIA, as on a machine where CATIA is neither running
// nor installed: every request fails with error 429, so a program starts and shows its
// "no CATIA document" message.
class NoCatiaFactory : public automation::ObjectFactory {
public:
    automation::Object getActiveObject(std::string_view) override { cannotCreate(); }
    automation::Object createObject(std::string_view) override { cannotCreate(); }

private:
    [[noreturn]] static void cannotCreate() {
        throw automation::Error(automation::errc::cannotCreateObject, "ActiveX component can't create object");
    }
};

}  // namespace qvl::apps
