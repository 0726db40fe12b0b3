#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The tool of a machining operation.
class MachiningToolDispatch : public SimDispatch {
public:
    MachiningToolDispatch(Server& server, DocumentPtr process, ProcessActivity& operation)
        : SimDispatch("ManufacturingTool", server, std::move(process)), operation_(operation) {
        property("Name", [this](Args) { return Variant(tool().name); });
        property("ToolNumber", [this](Args) { return Variant(tool().number); });
        property("ToolType", [this](Args) { return Variant(tool().type); });
        // GetAttribute(name): the attribute of exactly that name; a name the tool lacks fails.
        method("GetAttribute", [this](Args args) {
            const NamedValue& value = findValue(tool().attributes, argument(args, 0).toString(), "the tool " + tool().name);
            return Variant(parameter(this->server(), owner(), value));
        });
        property("Parent", [this](Args) { return Variant(activity(this->server(), owner(), operation_)); });
    }

private:
    const MachiningTool& tool() const { return operation_.machiningTool(); }

    ProcessActivity& operation_;
};

}  // namespace

Object machiningTool(Server& server, const DocumentPtr& process, ProcessActivity& operation) {
    return server.object(&operation, "ManufacturingTool",
                         [&] { return std::make_shared<MachiningToolDispatch>(server, process, operation); });
}

}  // namespace qvl::sim::objects
