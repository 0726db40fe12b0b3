#include "sim/sim_catia.h"

#include "headless/script_fault.h"
#include "sim/model/inspection.h"
#include "sim/model/refusal.h"
#include "sim/simulated_catia.h"

namespace qvl::sim {
namespace {

DocumentKind documentKind(NewDocumentKind kind) {
    switch (kind) {
        case NewDocumentKind::Part: return DocumentKind::Part;
        case NewDocumentKind::Product: return DocumentKind::Product;
        case NewDocumentKind::Drawing: return DocumentKind::Drawing;
    }
    return DocumentKind::Part;
}

}  // namespace

SimCatia::SimCatia(platform::VirtualDisk& disk, platform::Transcript& transcript)
    : impl_(std::make_unique<SimulatedCatia>(disk, transcript)) {}

SimCatia::~SimCatia() = default;

automation::ObjectFactory& SimCatia::factory() { return *impl_; }

void SimCatia::requireNotCrashed() const {
    if (impl_->server().hasCrashed()) throw platform::ScriptFault("CATIA has crashed: there is no CATIA to set up or inspect");
}

void SimCatia::setAvailability(Availability availability) {
    requireNotCrashed();
    impl_->setAvailability(availability);
}

void SimCatia::setLanguage(Language language) {
    requireNotCrashed();
    impl_->session().settings().language = language;
}

void SimCatia::setStatusBar(std::string text) {
    requireNotCrashed();
    impl_->session().settings().statusBar = std::move(text);
}

void SimCatia::setDisplayFileAlerts(bool on) {
    requireNotCrashed();
    impl_->session().settings().displayFileAlerts = on;
}

void SimCatia::open(const std::string& windowsPath) {
    requireNotCrashed();
    try {
        impl_->runningSession().open(windowsPath);
    } catch (const Refusal& e) {
        throw platform::ScriptFault(std::string("cannot open ") + windowsPath + ": " + e.what());
    }
}

void SimCatia::newDocument(NewDocumentKind kind) {
    requireNotCrashed();
    impl_->runningSession().add(documentKind(kind));
}

void SimCatia::activate(const std::string& documentName) {
    requireNotCrashed();
    Session& session = impl_->runningSession();
    auto document = session.findOpen(documentName);
    if (!document) throw platform::ScriptFault("no open document is named " + documentName);
    session.activate(*document);
}

reorder::DialogWindows& SimCatia::windowMessages() { return impl_->session().dialogs(); }

void SimCatia::setClock(std::function<double()> clock) { impl_->session().setClock(std::move(clock)); }

void SimCatia::setDialogDelay(double seconds) {
    requireNotCrashed();
    impl_->session().dialogs().setAppearanceDelay(seconds);
}

void SimCatia::queuePick(PickAnswer answer) {
    requireNotCrashed();
    impl_->session().queuePick(std::move(answer));
}

bool SimCatia::hasQueuedPicks() const { return impl_->session().hasQueuedPicks(); }

void SimCatia::failCall(const std::string& typeName, const std::string& member, int n) {
    requireNotCrashed();
    if (n < 1) throw platform::ScriptFault("a planned fault counts calls from 1");
    impl_->server().faults().failCall(typeName, member, n);
}

void SimCatia::failEverything() {
    requireNotCrashed();
    impl_->server().goAway();
}

void SimCatia::crashAt(const std::string& typeName, const std::string& member, int n) {
    requireNotCrashed();
    if (n < 1) throw platform::ScriptFault("a planned fault counts calls from 1");
    impl_->server().faults().crashAt(typeName, member, n);
}

void SimCatia::onCrash(std::function<void()> handler) { impl_->server().onCrash(std::move(handler)); }

void SimCatia::busyAt(const std::string& typeName, const std::string& member, double seconds, int n) {
    requireNotCrashed();
    if (n < 1) throw platform::ScriptFault("a planned fault counts calls from 1");
    if (seconds < 0) throw platform::ScriptFault("a busy spell cannot last less than no time");
    impl_->server().faults().busyAt(typeName, member, seconds, n);
}

void SimCatia::onBusy(std::function<bool(double seconds)> handler) { impl_->server().onBusy(std::move(handler)); }

void SimCatia::actDuring(const std::string& typeName, const std::string& member, int n, int action) {
    requireNotCrashed();
    if (n < 1) throw platform::ScriptFault("a planned action counts calls from 1");
    impl_->server().faults().actDuring(typeName, member, n, action);
}

std::vector<int> SimCatia::takeDueActions() { return impl_->server().faults().takeDueActions(); }

void SimCatia::onActionDue(std::function<void(int action)> handler) {
    impl_->server().faults().onActionDue(std::move(handler));
}

void SimCatia::observeCalls(FaultPlan::CallObserver observer) {
    impl_->server().faults().observeCalls(std::move(observer));
}

platform::Json SimCatia::dumpCatia() const {
    requireNotCrashed();
    return catiaEvent(impl_->session());
}

std::optional<platform::Json> SimCatia::dumpDocument(const std::string& nameOrActive) const {
    requireNotCrashed();
    const Session& session = impl_->session();
    std::shared_ptr<Document> document =
        nameOrActive == "active" ? session.active() : session.store().findByName(nameOrActive);
    if (!document) return std::nullopt;
    return documentEvent(*document, impl_->disk());
}

}  // namespace qvl::sim
