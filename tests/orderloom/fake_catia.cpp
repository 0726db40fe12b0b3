#include "fake_catia.h"

namespace qvl::orderloom::testing {

namespace {

using Args = MemberTable::Args;

class FakeProducts : public FaultyTable {
public:
    FakeProducts(std::shared_ptr<FakeProduct> owner, std::shared_ptr<Faults> faults)
        : FaultyTable("Products", std::move(faults)) {
        property("Count", [owner](Args) { return Variant(static_cast<long long>(owner->children.size())); });
        method("Item", [owner](Args args) {
            long long index = automation::argument(args, 0).toLong();
            if (index < 1 || index > static_cast<long long>(owner->children.size())) {
                throw automation::Error(automation::errc::serverFailure, "no such item");
            }
            return Variant(Object(owner->children[static_cast<std::size_t>(index - 1)]));
        });
    }
};

class SelectedElement : public MemberTable {
public:
    explicit SelectedElement(Object value) : MemberTable("SelectedElement") {
        property("Value", [value](Args) { return Variant(value); });
    }
};

}  // namespace

FakeProduct::FakeProduct(std::string productName, std::shared_ptr<Faults> faults)
    : FaultyTable("Product", faults), name(std::move(productName)) {
    property("Name", [this](Args) { return Variant(name); });
    property("Products", [this, faults](Args) {
        return Variant(Object(std::make_shared<FakeProducts>(shared_from_this(), faults)));
    });
}

std::vector<std::string> FakeProduct::childNames() const {
    std::vector<std::string> names;
    for (const auto& child : children) names.push_back(child->name);
    return names;
}

void FakeProduct::commitOrder(const std::vector<std::size_t>& order) {
    std::vector<std::shared_ptr<FakeProduct>> reordered;
    for (std::size_t place : order) reordered.push_back(children.at(place));
    children = std::move(reordered);
}

FakeSelection::FakeSelection(std::shared_ptr<Faults> faults) : FaultyTable("Selection", std::move(faults)) {
    method("Clear", [this](Args) {
        contents.clear();
        return Variant();
    });
    method("Add", [this](Args args) {
        contents.push_back(automation::argument(args, 0).object());
        return Variant();
    });
    method("SelectElement2", [this](Args args) {
        prompts.push_back(automation::argument(args, 1).toString());
        pickArguments.push_back(automation::argument(args, 2));
        if (picks.empty()) throw automation::Error(automation::errc::serverFailure, "no pick queued");
        Pick pick = picks.front();
        picks.pop_front();
        if (!pick.picked.isNothing()) contents = {pick.picked};
        return Variant(pick.status);
    });
    method("Item2", [this](Args args) {
        long long index = automation::argument(args, 0).toLong();
        if (index < 1 || index > static_cast<long long>(contents.size())) {
            throw automation::Error(automation::errc::serverFailure, "no such selected element");
        }
        return Variant(Object(std::make_shared<SelectedElement>(contents[static_cast<std::size_t>(index - 1)])));
    });
}

FakeDocument::FakeDocument(std::shared_ptr<Faults> faults)
    : FaultyTable("ProductDocument", faults), selection(std::make_shared<FakeSelection>(faults)) {
    property("Selection", [this](Args) { return Variant(Object(selection)); });
}

FakeApplication::FakeApplication(std::shared_ptr<Faults> faults, sim::reorder::DialogWindows& dialogs)
    : FaultyTable("Application", std::move(faults)), dialogs_(dialogs) {
    property("ActiveDocument", [this](Args) {
        if (!document) throw automation::Error(automation::errc::serverFailure, "no active document");
        return Variant(Object(document));
    });
    property("StatusBar", [this](Args) { return Variant(statusBar); });
    property("refreshdisplay", [](Args) { return Variant(false); }, [this](const Variant&) { ++refreshes; });
    method("StartCommand", [this](Args args) {
        std::string name = automation::argument(args, 0).toString();
        commands.push_back(name);
        // The reorder command acts on the one product in the selection.
        std::shared_ptr<FakeProduct> target;
        if (document && document->selection->contents.size() == 1) {
            target = std::dynamic_pointer_cast<FakeProduct>(document->selection->contents.front().dispatch());
        }
        if (target) dialogs_.startCommand(name, target);
        return Variant();
    });
}

Object FakeFactory::getActiveObject(std::string_view) {
    if (!catiaRunning) throw automation::Error(automation::errc::cannotCreateObject, "no CATIA runs");
    return Object(application);
}

Object FakeFactory::createObject(std::string_view) {
    if (!catiaRunning) throw automation::Error(automation::errc::cannotCreateObject, "CATIA cannot be started");
    return Object(application);
}

}  // namespace qvl::orderloom::testing
