#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// A node of a process tree. Every node has a name, a type, its parent, its children and the
// parameters below it; a machining node (setup, program, operation) also an active flag and a
// comment, which a process activity does not have. A setup lists its programs, a program its
// operations, and an operation has its machining time, tool and tool assembly.
class ActivityDispatch : public SimDispatch {
public:
    ActivityDispatch(Server& server, DocumentPtr process, ProcessActivity& node)
        : SimDispatch(node.typeName(), server, std::move(process)), node_(node) {
        property("Name", [this](Args) { return Variant(node_.name()); });
        property("Type", [this](Args) { return Variant(node_.type()); });
        if (node_.kind() != ActivityKind::ProcessActivity) {
            property("Active", [this](Args) { return Variant(node_.active); });
            property("Comment", [this](Args) { return Variant(node_.comment); });
        }
        // The process's parent is the PPR document; every other node's the node that holds it.
        property("Parent", [this](Args) {
            if (!node_.parent()) return Variant(pprDocument(this->server(), owner()));
            return Variant(activity(this->server(), owner(), *node_.parent()));
        });
        property("ChildrenActivities", [this](Args) { return list(ActivityList::Children); });
        property("Parameters", [this](Args) { return Variant(parameters(this->server(), owner(), node_, true)); });
        switch (node_.kind()) {
            case ActivityKind::Setup: property("Programs", [this](Args) { return list(ActivityList::Programs); }); break;
            case ActivityKind::Program:
                property("Activities", [this](Args) { return list(ActivityList::Operations); });
                break;
            case ActivityKind::Operation:
                property("totaltime", [this](Args) { return Variant(node_.totalTime); });
                property("Tool", [this](Args) {
                    node_.machiningTool();
                    return Variant(machiningTool(this->server(), owner(), node_));
                });
                property("ToolAssembly", [this](Args) {
                    node_.toolAssembly();
                    return Variant(toolAssembly(this->server(), owner(), node_));
                });
                break;
            case ActivityKind::ProcessActivity: break;
        }
    }

    std::optional<Element> element() const override { return Element{owner(), &node_}; }

private:
    Variant list(ActivityList which) const { return Variant(activityList(server(), owner(), node_, which)); }

    ProcessActivity& node_;
};

}  // namespace

Object activity(Server& server, const DocumentPtr& process, ProcessActivity& node) {
    return server.object(&node, "Activity", [&] { return std::make_shared<ActivityDispatch>(server, process, node); });
}

}  // namespace qvl::sim::objects
