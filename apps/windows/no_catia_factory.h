#pragma once

#include "common/automation/object_factory.h"

namespace qvl::apps {

// STAND-IN until the COM automation client is built in: an automation factory that can reach
// no CATIA, as on a machine where CATIA is neither running nor installed. Every request fails
// with error 429, so the programs start and show their "no CATIA document" message.
class NoCatiaFactory : public automation::ObjectFactory {
public:
    automation::Object getActiveObject(std::string_view className) override;
    automation::Object createObject(std::string_view className) override;
};

}  // namespace qvl::apps
