#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The tool assembly of a machining operation, known by its attributes.
class ToolAssemblyDispatch : public SimDispatch {
public:
    ToolAssemblyDispatch(Server& server, DocumentPtr process, ProcessActivity& operation)
        : SimDispatch("ManufacturingToolAssembly", server, std::move(process)), operation_(operation) {
        // GetAttribute(name): the attribute of exactly that name; a name the assembly lacks fails.
        method("GetAttribute", [this](Args args) {
            const NamedValue& value = findValue(operation_.toolAssembly().attributes, argument(args, 0).toString(),
                                                "the tool assembly of " + operation_.name());
            return Variant(parameter(this->server(), owner(), value));
        });
        property("Parent", [this](Args) { return Variant(activity(this->server(), owner(), operation_)); });
    }

private:
    ProcessActivity& operation_;
};

}  // namespace

Object toolAssembly(Server& server, const DocumentPtr& process, ProcessActivity& operation) {
    return server.object(&operation, "ManufacturingToolAssembly",
                         [&] { return std::make_shared<ToolAssemblyDispatch>(server, process, operation); });
}

}  // namespace qvl::sim::objects
