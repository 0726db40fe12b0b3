#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/automation/object_factory.h"
#include "headless/transcript.h"
#include "common/winmsg/window_messages.h"
#include "sim/catia_types.h"
#include "sim/dispatch/fault_plan.h"

namespace qvl::sim {

// The CATIA installation of a machine, as a scenario sets it up and inspects it: the
// in-process simulated CATIA (SimCatia), or the same simulator in a process of its own that
// the programs reach over COM.
class CatiaMachine {
public:
    virtual ~CatiaMachine() = default;

    // GetObject(, "CATIA.Application") and CreateObject("CATIA.Application").
    virtual automation::ObjectFactory& factory() = 0;

    virtual void setAvailability(Availability availability) = 0;
    virtual void setLanguage(Language language) = 0;
    virtual void setStatusBar(std::string text) = 0;
    virtual void setDisplayFileAlerts(bool on) = 0;

    virtual void open(const std::string& windowsPath) = 0;
    virtual void newDocument(NewDocumentKind kind) = 0;
    virtual void activate(const std::string& documentName) = 0;
    virtual void queuePick(PickAnswer answer) = 0;

    virtual void failCall(const std::string& typeName, const std::string& member, int n = 1) = 0;
    virtual void failEverything() = 0;
    // CATIA's process ends during the n-th call from now (1 = the next) of `member` on an object
    // of type name `typeName`: that call and every later one fail as calls on a CATIA that went
    // away. A crashed CATIA can no longer be set up or inspected (platform::ScriptFault).
    virtual void crashAt(const std::string& typeName, const std::string& member, int n = 1) = 0;
    // CATIA is busy for `seconds` from the n-th call from now of `member` on `typeName` on. A
    // client that waits for a busy CATIA sees its calls succeed, only later.
    virtual void busyAt(const std::string& typeName, const std::string& member, double seconds, int n = 1) = 0;
    // The person's action number `action` happens while the n-th call from now of `member` on
    // `typeName` is under way; the call itself goes on as it would.
    virtual void actDuring(const std::string& typeName, const std::string& member, int n, int action) = 0;
    // The actions whose call has been made since the last time, in the order of their calls.
    virtual std::vector<int> takeDueActions() = 0;
    // Tells `observer` every call that the programs make (type name, member, kind, number of
    // arguments); a CATIA that cannot tell refuses.
    virtual void observeCalls(FaultPlan::CallObserver) {
        throw std::runtime_error("this CATIA cannot list the calls it receives");
    }

    virtual winmsg::WindowMessages& windowMessages() = 0;
    virtual void setClock(std::function<double()> clock) = 0;
    virtual void setDialogDelay(double seconds) = 0;

    virtual platform::Json dumpCatia() const = 0;
    virtual std::optional<platform::Json> dumpDocument(const std::string& nameOrActive) const = 0;
};

}  // namespace qvl::sim
