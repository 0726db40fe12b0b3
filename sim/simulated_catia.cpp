#include "sim/simulated_catia.h"

#include "common/automation/error.h"
#include "headless/script_fault.h"
#include "common/text/utf8.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim {
namespace {

[[noreturn]] void cannotCreate() {
    throw automation::Error(automation::errc::cannotCreateObject, "ActiveX component can't create object");
}

}  // namespace

SimulatedCatia::SimulatedCatia(platform::VirtualDisk& disk, platform::Transcript& transcript)
    : disk_(disk), server_(std::make_shared<Server>(disk, transcript)) {}

bool SimulatedCatia::isCatiaClass(std::string_view className) const {
    return text::compareTextIgnoreCase(className, "CATIA.Application") == 0;
}

automation::Object SimulatedCatia::getActiveObject(std::string_view className) {
    if (!isCatiaClass(className) || !running_ || server_->isGone()) cannotCreate();
    return objects::application(*server_);
}

automation::Object SimulatedCatia::createObject(std::string_view className) {
    if (!isCatiaClass(className) || server_->isGone()) cannotCreate();
    if (!running_) {
        if (availability_ != Availability::Startable) cannotCreate();
        // A CATIA started through automation shows no window until a client makes it visible.
        running_ = true;
        session().settings().visible = false;
    }
    return objects::application(*server_);
}

void SimulatedCatia::setAvailability(Availability availability) {
    availability_ = availability;
    if (availability == Availability::Running) {
        if (!running_) session().settings().visible = true;
        running_ = true;
        return;
    }
    if (!session().openDocuments().empty()) {
        throw platform::ScriptFault("CATIA cannot stop running while it has documents open");
    }
    running_ = false;
    session().settings().visible = false;
}

Session& SimulatedCatia::runningSession() {
    if (!running_) throw platform::ScriptFault("CATIA is not running");
    if (server_->isGone()) throw platform::ScriptFault("CATIA has gone away");
    return session();
}

}  // namespace qvl::sim
