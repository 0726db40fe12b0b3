#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/automation/object_factory.h"
#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "common/winmsg/window_messages.h"
#include "sim/catia_machine.h"
#include "sim/catia_types.h"
#include "sim/reorder/dialog_windows.h"

namespace qvl::sim {

class SimulatedCatia;

// The simulated CATIA installation of a machine, seen from outside: what a scenario sets up
// and inspects, and the automation factory through which the programs reach it.
//
// Errors of the setup itself (a world file that cannot be read, a document name that is not
// open) throw platform::ScriptFault; errors of the programs' calls throw automation::Error.
class SimCatia : public CatiaMachine {
public:
    SimCatia(platform::VirtualDisk& disk, platform::Transcript& transcript);
    ~SimCatia();
    SimCatia(const SimCatia&) = delete;
    SimCatia& operator=(const SimCatia&) = delete;

    // GetObject(, "CATIA.Application") and CreateObject("CATIA.Application").
    automation::ObjectFactory& factory() override;

    // The machine.
    void setAvailability(Availability availability) override;
    void setLanguage(Language language) override;
    void setStatusBar(std::string text) override;
    void setDisplayFileAlerts(bool on) override;

    // What the person does in CATIA.
    void open(const std::string& windowsPath) override;
    void newDocument(NewDocumentKind kind) override;
    void activate(const std::string& documentName) override;
    void queuePick(PickAnswer answer) override;
    bool hasQueuedPicks() const;

    // Fault injection: the n-th call from now (1 = the next) of `member` on an object whose type
    // name is `typeName` fails; `failEverything` makes every later call fail (CATIA went away).
    void failCall(const std::string& typeName, const std::string& member, int n = 1) override;
    void failEverything() override;
    // CATIA crashes at a planned call; afterwards the setup and inspection above refuse
    // (platform::ScriptFault). `onCrash` runs when it does, after CATIA went away.
    void crashAt(const std::string& typeName, const std::string& member, int n = 1) override;
    void onCrash(std::function<void()> handler);
    // CATIA is busy from a planned call on. In this process a busy CATIA shows nothing: the
    // call goes through. `onBusy` may reject the call instead (returning true), as a CATIA in a
    // process of its own does for the length of the spell.
    void busyAt(const std::string& typeName, const std::string& member, double seconds, int n = 1) override;
    void onBusy(std::function<bool(double seconds)> handler);
    // The person acts at a planned call. By default the action waits to be taken
    // (takeDueActions); `onActionDue` is handed each one as its call is made instead.
    void actDuring(const std::string& typeName, const std::string& member, int n, int action) override;
    std::vector<int> takeDueActions() override;
    void onActionDue(std::function<void(int action)> handler);
    // Tells `observer` every call that the programs make.
    void observeCalls(FaultPlan::CallObserver observer) override;

    // CATIA's dialogs as other programs reach them through window messages.
    reorder::DialogWindows& windowMessages() override;
    // The machine's clock (seconds), on which dialogs appear after their delay.
    void setClock(std::function<double()> clock) override;
    // How long after its command the graph-tree-reordering dialog appears.
    void setDialogDelay(double seconds) override;

    // Inspection, as the scenario's dump commands print it.
    platform::Json dumpCatia() const override;
    // `nameOrActive` is "active" or a document's file name; besides the open documents, a
    // document that CATIA loaded for an open assembly can be inspected. nullopt when no such
    // document is loaded (or no document is active).
    std::optional<platform::Json> dumpDocument(const std::string& nameOrActive) const override;

private:
    // Refuses setup and inspection once CATIA has crashed.
    void requireNotCrashed() const;

    std::unique_ptr<SimulatedCatia> impl_;
};

}  // namespace qvl::sim
