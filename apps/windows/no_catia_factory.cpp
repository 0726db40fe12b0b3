#include "apps/windows/no_catia_factory.h"

#include "common/automation/error.h"

namespace qvl::apps {
namespace {

[[noreturn]] void cannotCreate() {
    throw automation::Error(automation::errc::cannotCreateObject, "ActiveX component can't create object");
}

}  // namespace

automation::Object NoCatiaFactory::getActiveObject(std::string_view) { cannotCreate(); }

automation::Object NoCatiaFactory::createObject(std::string_view) { cannotCreate(); }

}  // namespace qvl::apps
