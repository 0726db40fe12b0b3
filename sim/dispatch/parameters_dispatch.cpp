#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/refusal.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The parameters of a process-tree node: its own, or those of every node below it too. A list
// without a node is empty.
class ParametersDispatch : public SimDispatch {
public:
    ParametersDispatch(Server& server, DocumentPtr process, ProcessActivity* node, bool recursive)
        : SimDispatch("Parameters", server, std::move(process)), node_(node), recursive_(recursive) {
        property("Count", [this](Args) { return countOf(list().size()); });
        // Item(position from 1, or name): by name the first parameter of that name.
        method("Item", [this](Args args) {
            std::vector<const NamedValue*> values = list();
            std::size_t i = itemPosition(
                values.size(), argument(args, 0),
                [&](std::size_t at, const std::string& name) { return values[at]->name == name; }, "Parameters");
            return Variant(parameter(this->server(), owner(), *values[i]));
        });
        // SubList(object, recursively): the parameters of a node of this list's part of the tree;
        // none for a node elsewhere.
        method("SubList", [this](Args args) {
            std::optional<Element> below = elementOf(argument(args, 0).object());
            bool recursively = argument(args, 1).toBool();
            auto node = below ? std::get_if<ProcessActivity*>(&below->target) : nullptr;
            if (!node || below->document != owner()) throw Refusal("SubList takes an activity of this process");
            if (!node_ || !(*node)->isWithin(*node_)) return Variant(noParameters(this->server(), owner()));
            return Variant(parameters(this->server(), owner(), **node, recursively));
        });
    }

private:
    std::vector<const NamedValue*> list() const {
        return node_ ? node_->parametersBelow(recursive_) : std::vector<const NamedValue*>();
    }

    static Object noParameters(Server& server, const DocumentPtr& process) {
        return server.object(process.get(), "Parameters of nothing",
                             [&] { return std::make_shared<ParametersDispatch>(server, process, nullptr, false); });
    }

    ProcessActivity* node_;
    bool recursive_;
};

}  // namespace

Object parameters(Server& server, const DocumentPtr& process, ProcessActivity& node, bool recursive) {
    return server.object(&node, recursive ? "Parameters" : "Parameters of its own",
                         [&] { return std::make_shared<ParametersDispatch>(server, process, &node, recursive); });
}

}  // namespace qvl::sim::objects
