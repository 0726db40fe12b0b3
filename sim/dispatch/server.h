#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "common/automation/dispatch.h"
#include "common/automation/object.h"
#include "sim/dispatch/fault_plan.h"
#include "sim/model/session.h"

namespace qvl::sim {

// The automation side of a simulated CATIA: the session that its objects expose, the faults to
// inject into calls, and one automation object per model object, so that two reads of the
// same thing give the same object (VB's `Is`) as CATIA's do.
//
// Automation objects reach the server through a weak reference: once it is destroyed, a call
// fails as calls on a CATIA that went away do.
class Server : public std::enable_shared_from_this<Server> {
public:
    Server(platform::VirtualDisk& disk, platform::Transcript& transcript);

    Session& session() noexcept { return session_; }
    FaultPlan& faults() noexcept { return faults_; }

    // CATIA went away: every later call fails.
    bool isGone() const noexcept { return gone_; }
    void goAway() noexcept { gone_ = true; }

    // CATIA's process ends during a call: it goes away, and `onCrash` (when set) ends the
    // process that serves it, as a crash would.
    bool hasCrashed() const noexcept { return crashed_; }
    void crash();
    void onCrash(std::function<void()> handler) { crashHandler_ = std::move(handler); }
    // CATIA turns busy for `seconds` at a call. By default nothing shows; `onBusy` may reject
    // the call (returning true) and the calls of the busy spell, as a server in its own
    // process does.
    bool rejectWhileBusy(double seconds) { return busyHandler_ && busyHandler_(seconds); }
    void onBusy(std::function<bool(double seconds)> handler) { busyHandler_ = std::move(handler); }

    using Maker = std::function<std::shared_ptr<automation::Dispatch>()>;
    // The automation object of type `typeName` for the model object `target`, made by `make`
    // when none is alive.
    automation::Object object(const void* target, std::string_view typeName, const Maker& make);

private:
    Session session_;
    FaultPlan faults_;
    bool gone_ = false;
    bool crashed_ = false;
    std::function<void()> crashHandler_;
    std::function<bool(double)> busyHandler_;
    std::map<std::pair<const void*, std::string>, std::weak_ptr<automation::Dispatch>> objects_;
};

}  // namespace qvl::sim
