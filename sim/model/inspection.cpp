#include "sim/model/inspection.h"

#include "sim/model/world_writer.h"

namespace qvl::sim {

platform::Json catiaEvent(const Session& session) {
    platform::Json event = platform::Transcript::event("catia");
    platform::Json names = platform::Json::array();
    for (const auto& document : session.openDocuments()) names.push_back(document->name());
    event["documents"] = names;
    event["active"] = session.active() ? platform::Json(session.active()->name()) : platform::Json(nullptr);
    // Every open document has one window, captioned with its name.
    event["windows"] = names;
    event["displayFileAlerts"] = session.settings().displayFileAlerts;
    event["visible"] = session.settings().visible;
    return event;
}

platform::Json documentEvent(const Document& document, const platform::VirtualDisk& disk) {
    platform::Json event = platform::Transcript::event("document");
    event["name"] = document.name();
    event["path"] = document.fullName();
    event["kind"] = kindName(document.kind());
    event["saved"] = document.hasFile() && !document.isModified() && disk.fileExists(document.filePath());
    event["content"] = worldContent(document);
    return event;
}

}  // namespace qvl::sim
