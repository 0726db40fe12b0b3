#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/drawing/drawing_removal.h"
#include "sim/model/interactive_selection.h"
#include "sim/model/refusal.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

class SelectionDispatch : public SimDispatch {
public:
    SelectionDispatch(Server& server, std::shared_ptr<Document> document)
        : SimDispatch("Selection", server, std::move(document)) {
        method("Clear", [this](Args) {
            selection().clear();
            return Variant();
        });
        method("Add", [this](Args args) {
            std::optional<Element> element = elementOf(argument(args, 0).object());
            if (!element) throw Refusal("only objects of a CATIA document can be selected");
            selection().add(std::move(*element));
            return Variant();
        });
        // Deletes every selected object from the drawing; nothing when one of them cannot go.
        method("Delete", [this](Args) {
            Drawing& drawing = owner()->drawing();
            auto item = [this](std::size_t i) { return selection().item(static_cast<long long>(i)); };
            for (std::size_t i = 1; i <= selection().count(); ++i) checkDeletable(drawing, item(i));
            for (std::size_t i = 1; i <= selection().count(); ++i) deleteElement(drawing, item(i));
            selection().clear();
            owner()->setModified(true);
            return Variant();
        });
        property("Count", [this](Args) { return countOf(selection().count()); });
        property("Count2", [this](Args) { return countOf(selection().count()); });
        method("Item", [this](Args args) { return item(argument(args, 0)); });
        method("Item2", [this](Args args) { return item(argument(args, 0)); });
        // SelectElement2(filter, prompt, use existing selection)
        method("SelectElement2", [this](Args args) {
            return selectElement(argument(args, 0), argument(args, 1), argument(args, 2));
        });
        // SelectElement3(filter, prompt, use existing selection, multi-selection mode, tooltip)
        method("SelectElement3", [this](Args args) {
            return selectElement(argument(args, 0), argument(args, 1), argument(args, 2));
        });
    }

private:
    Selection& selection() const { return owner()->selection(); }

    Variant item(const Variant& position) const {
        const Element& element = selection().item(position.toLong());
        return Variant(selectedElement(server(), owner(), element));
    }

    Variant selectElement(const Variant& filter, const Variant& prompt, const Variant& useSelectionBefore) const {
        return Variant(selectInteractively(session(), selection(), filterNames(filter), prompt.toString(),
                                           useSelectionBefore.toBool()));
    }
};

}  // namespace

Object selection(Server& server, const std::shared_ptr<Document>& document) {
    return server.object(&document->selection(), "Selection",
                         [&] { return std::make_shared<SelectionDispatch>(server, document); });
}

}  // namespace qvl::sim::objects
