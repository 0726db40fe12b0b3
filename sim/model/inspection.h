#pragma once

#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "sim/model/document.h"
#include "sim/model/session.h"

namespace qvl::sim {

// {"event":"catia","documents":[…],"active":…,"windows":[…],"displayFileAlerts":…,"visible":…}
platform::Json catiaEvent(const Session& session);

// {"event":"document","name":…,"path":…,"kind":…,"saved":…,"content":{…}}: "path" is the full
// name; "saved" tells whether the file on the disk holds the document as it stands.
platform::Json documentEvent(const Document& document, const platform::VirtualDisk& disk);

}  // namespace qvl::sim
