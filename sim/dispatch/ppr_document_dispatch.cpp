#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// The product, process and resource side of a process document.
class PprDocumentDispatch : public SimDispatch {
public:
    PprDocumentDispatch(Server& server, DocumentPtr process) : SimDispatch("PPRDocument", server, std::move(process)) {
        property("Products", [this](Args) { return Variant(pprProducts(this->server(), owner())); });
        property("Parent", [this](Args) { return Variant(processDocument(this->server(), owner())); });
    }
};

}  // namespace

Object pprDocument(Server& server, const DocumentPtr& process) {
    return server.object(&process->process(), "PPRDocument",
                         [&] { return std::make_shared<PprDocumentDispatch>(server, process); });
}

}  // namespace qvl::sim::objects
