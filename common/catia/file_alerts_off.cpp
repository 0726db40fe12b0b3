#include "common/catia/file_alerts_off.h"

#include "common/automation/error.h"
#include "common/automation/variant.h"

namespace qvl::catia {

FileAlertsOff::FileAlertsOff(automation::Object application) : application_(std::move(application)) {
    previous_ = application_.get("DisplayFileAlerts").toBool();
    application_.put("DisplayFileAlerts", false);
}

FileAlertsOff::~FileAlertsOff() {
    try {
        application_.put("DisplayFileAlerts", previous_);
    } catch (const automation::Error&) {
        // Nothing to put back into a CATIA that is no longer reachable.
    }
}

}  // namespace qvl::catia
