#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

const char* typeNameOf(ActivityList which) {
    switch (which) {
        case ActivityList::Children: return "Activities";
        case ActivityList::Programs:
        case ActivityList::Operations: return "MfgActivities";
    }
    return "Activities";
}

// The children of a process-tree node in tree order: by position from 1 (`Item`, and
// `GetElement` for a setup's programs and a program's operations) or by name (`Item`).
class ActivityListDispatch : public SimDispatch {
public:
    ActivityListDispatch(Server& server, DocumentPtr process, ProcessActivity& node, ActivityList which)
        : SimDispatch(typeNameOf(which), server, std::move(process)), node_(node) {
        property("Count", [this](Args) { return countOf(node_.children().size()); });
        method("Item", [this](Args args) { return item(argument(args, 0)); });
        if (which != ActivityList::Children) {
            method("GetElement", [this](Args args) { return item(Variant(argument(args, 0).toLong())); });
        }
        property("Parent", [this](Args) { return Variant(activity(this->server(), owner(), node_)); });
    }

private:
    Variant item(const Variant& key) const {
        const auto& children = node_.children();
        std::size_t i = itemPosition(
            children.size(), key, [&](std::size_t at, const std::string& name) { return children[at]->name() == name; },
            typeName());
        return Variant(activity(server(), owner(), *children[i]));
    }

    ProcessActivity& node_;
};

}  // namespace

Object activityList(Server& server, const DocumentPtr& process, ProcessActivity& node, ActivityList which) {
    return server.object(&node, typeNameOf(which),
                         [&] { return std::make_shared<ActivityListDispatch>(server, process, node, which); });
}

}  // namespace qvl::sim::objects
