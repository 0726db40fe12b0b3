#pragma once

#include "common/automation/object.h"

namespace qvl::catia {

// CATIA's file alerts (DisplayFileAlerts) switched off for as long as this object lives:
// the constructor remembers the application's setting and switches the alerts off; the
// destructor puts the remembered setting back, however the command that holds it ends.
// The constructor fails with the automation error of the call that failed; the setting is
// then untouched. A failure while putting the setting back is ignored (CATIA may be gone).
class FileAlertsOff {
public:
    explicit FileAlertsOff(automation::Object application);
    ~FileAlertsOff();
    FileAlertsOff(const FileAlertsOff&) = delete;
    FileAlertsOff& operator=(const FileAlertsOff&) = delete;

    bool previousSetting() const noexcept { return previous_; }

private:
    automation::Object application_;
    bool previous_ = true;
};

}  // namespace qvl::catia
