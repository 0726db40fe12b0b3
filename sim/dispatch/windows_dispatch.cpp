#include "common/platform/windows_path.h"
#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// The windows of the open documents, in the order in which they were opened.
class WindowsDispatch : public SimDispatch {
public:
    explicit WindowsDispatch(Server& server) : SimDispatch("Windows", server) {
        property("Count", [this](Args) { return countOf(session().openDocuments().size()); });
        method("Item", [this](Args args) {
            const auto& open = session().openDocuments();
            std::size_t i = itemPosition(
                open.size(), automation::argument(args, 0),
                [&](std::size_t at, const std::string& caption) { return open[at]->name() == caption; }, "Windows");
            return Variant(window(this->server(), open[i]));
        });
    }
};

}  // namespace

Object windows(Server& server) {
    return server.object(&server, "Windows", [&] { return std::make_shared<WindowsDispatch>(server); });
}

}  // namespace qvl::sim::objects
